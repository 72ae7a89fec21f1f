#include "Controls.h"
#include "Accessibility.h"
#include "Twips.h"
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>

void FitLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect area = contentsRect();
    if (shrinks_)
        p.setFont(Twips::FontToFit(font(), text(), area.width(), 5));
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    // What does not fit even in the smallest font ends in an ellipsis, not mid-letter.
    p.drawText(area, int(alignment()), p.fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
}

namespace Controls {

void DrawOnWindow(QWidget* box)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    p.setColor(QPalette::Text, p.color(QPalette::WindowText));
    box->setPalette(p);
}

void MakeReadable(QLabel* label)
{
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::StrongFocus);
}

void MakeDisplayBox(QLineEdit* box)
{
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::StrongFocus);
    DrawOnWindow(box);
}

void SetText(QLineEdit* box, const QString& text)
{
    if (box->text() == text)
        return;
    const bool whole = box->hasSelectedText() && box->selectedText() == box->text();
    const Accessibility::Silence silence(box);
    box->setText(text);
    if (whole)
        box->selectAll();
}

void MakeSymbolList(QComboBox* list, const QString& name)
{
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    // The completer would pick an entry that matches in any letter case.
    list->setCompleter(nullptr);
    QLineEdit* edit = list->lineEdit();
    // Leaving the field or pressing Return would select the entry equal to the
    // typed text and report it as chosen; typing picks nothing here. Return
    // goes on to the window, to press its Enter as in any other text box.
    QObject::disconnect(edit, &QLineEdit::editingFinished, list, nullptr);
    QObject::disconnect(edit, &QLineEdit::returnPressed, list, nullptr);
    edit->setAccessibleName(name);
    if (list->toolTip().isEmpty())
        list->setToolTip(name);
}

void PlaceTitledBoxes(QWidget* form, std::initializer_list<TitledBox> boxes)
{
    for (const TitledBox& b : boxes) {
        *b.box = Twips::Create<QLineEdit>(form, b.boxName, b.bl, b.bt, b.bw, b.bh);
        *b.label = Twips::Create<QLabel>(form, b.labelName, b.ll, b.lt, b.lw, b.lh, b.caption);
        (*b.label)->setBuddy(*b.box);
    }
}

QPushButton* Button(QWidget* form, const char* name, const QString& caption, int l, int t, int w, int h)
{
    return Twips::Create<QPushButton>(form, name, l, t, w, h, caption);
}

void SetTabOrder(std::initializer_list<QWidget*> order)
{
    for (auto it = order.begin(); it + 1 != order.end(); ++it)
        QWidget::setTabOrder(*it, *(it + 1));
}

} // namespace Controls
