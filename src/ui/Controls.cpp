#include "Controls.h"
#include "Accessibility.h"
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>

void ElidedLabel::setText(const QString& text)
{
    QLabel::setText(text);
    setToolTip(text); // whole, where the label has no room for it
}

QSize ElidedLabel::minimumSizeHint() const
{
    // As narrow as an ellipsis: the rest of the text gives way, never its size.
    const QSize hint = QLabel::minimumSizeHint();
    return {fontMetrics().horizontalAdvance(QStringLiteral("…")) + 2 * margin(), hint.height()};
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(area, int(alignment()), fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
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
    box->setCursorPosition(0); // a number too long for the box shows its start
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

QLabel* Title(QWidget* window, const char* name, const QString& text, QWidget* control)
{
    auto* label = new QLabel(text, window);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(control);
    return label;
}

QLineEdit* TitledBox(QGridLayout* grid, int row, int column, QLabel*& title, const char* titleName,
    const QString& caption, const char* name)
{
    QWidget* window = grid->parentWidget();
    auto* box = new QLineEdit(window);
    box->setObjectName(QString::fromLatin1(name));
    title = Title(window, titleName, caption, box);
    grid->addWidget(title, row, column, Qt::AlignBottom);
    grid->addWidget(box, row + 1, column);
    return box;
}

QPushButton* Button(QWidget* window, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, window);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

void SetTabOrder(std::initializer_list<QWidget*> order)
{
    for (auto it = order.begin(); it + 1 != order.end(); ++it)
        QWidget::setTabOrder(*it, *(it + 1));
}

} // namespace Controls
