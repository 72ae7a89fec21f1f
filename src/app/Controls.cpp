#include "Controls.h"
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>

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
