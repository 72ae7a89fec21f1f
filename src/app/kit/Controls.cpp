#include "Controls.h"
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>

void FitLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QFont f = font();
    const QRect area = contentsRect();
    while (f.pointSizeF() > 5 && QFontMetrics(f).horizontalAdvance(text()) > area.width())
        f.setPointSizeF(f.pointSizeF() - 0.5);
    p.setFont(f);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(area, int(alignment()), text());
}

namespace Controls {

void MakeDisplayBox(QLineEdit* box)
{
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::StrongFocus);
    QPalette p = box->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    box->setPalette(p);
}

void MakeSymbolList(QComboBox* list, const QString& name)
{
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    // The completer would pick an entry that matches in any letter case.
    list->setCompleter(nullptr);
    QLineEdit* edit = list->lineEdit();
    // Leaving the field would select the entry equal to the typed text and
    // report it as chosen; typing picks nothing here.
    QObject::disconnect(edit, &QLineEdit::editingFinished, list, nullptr);
    edit->setAccessibleName(name);
    if (list->toolTip().isEmpty())
        list->setToolTip(name);
}

} // namespace Controls
