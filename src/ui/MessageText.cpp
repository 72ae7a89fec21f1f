#include "MessageText.h"
#include "Accessibility.h"
#include "Controls.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextDocument>
#include <cmath>

MessageText::MessageText(const QString& text, QWidget* parent) : QTextEdit(parent), text_(text)
{
    setObjectName(QStringLiteral("messageText"));
    // Read as the static text it is, whole, not as a box to type into.
    Accessibility::Install();
    Accessibility::SetRole(this, QAccessible::StaticText);
    setAccessibleName(text);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::ClickFocus);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDocumentMargin(0);
    setPlainText(text);
    Controls::DrawOnWindow(this); // drawn as a label on the box's own background
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int MessageText::heightForWidth(int width) const
{
    QTextDocument d;
    d.setDefaultFont(font());
    d.setDocumentMargin(0);
    d.setDefaultTextOption(document()->defaultTextOption());
    d.setPlainText(text_);
    d.setTextWidth(width);
    return int(std::ceil(d.size().height()));
}

QSize MessageText::sizeHint() const
{
    // One line where it fits, else as wide as a message box is comfortably read.
    const QScreen* s = screen();
    const int widest = std::min(500, s ? s->availableGeometry().width() / 2 : 500);
    int natural = 0;
    for (const QString& line : text_.split(QLatin1Char('\n')))
        natural = std::max(natural, fontMetrics().horizontalAdvance(line) + 2);
    const int width = std::min(natural, widest);
    return {width, heightForWidth(width)};
}

void MessageText::keyPressEvent(QKeyEvent* e)
{
    if (e->matches(QKeySequence::Copy) && !textCursor().hasSelection()) {
        QGuiApplication::clipboard()->setText(text_);
        return;
    }
    QTextEdit::keyPressEvent(e);
}
