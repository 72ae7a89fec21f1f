#include "Accessibility.h"
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <utility>

namespace {

constexpr const char* kRole = "accessibleRole";

/// A text box, as Qt presents one, with its attributes as one run over the whole text.
class TextBox : public QAccessibleWidget, public QAccessibleTextInterface, public QAccessibleEditableTextInterface {
public:
    explicit TextBox(QLineEdit* e) : QAccessibleWidget(e, QAccessible::EditableText) { }
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = box()->isReadOnly();
        s.editable = !s.readOnly;
        s.selectableText = true;
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t == QAccessible::Value && !box()->isReadOnly())
            box()->setText(text);
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface && !box()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Text
    void selection(int i, int* start, int* end) const override
    {
        *start = *end = 0;
        if (i == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = *start + box()->selectionLength();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int p) override { box()->setCursorPosition(p); }
    QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int offset) const override
    {
        const QString t = box()->text();
        const QFontMetrics fm = box()->fontMetrics();
        const QRect area = box()->contentsRect().marginsRemoved(box()->textMargins());
        const int x = area.left() + 2 + fm.horizontalAdvance(t.left(offset));
        const int w = offset < t.size() ? fm.horizontalAdvance(t.at(offset)) : 1;
        const int y = area.top() + (area.height() - fm.height()) / 2;
        return QRect(box()->mapToGlobal(QPoint(x, y)), QSize(w, fm.height()));
    }
    int offsetAtPoint(const QPoint& p) const override { return box()->cursorPositionAt(box()->mapFromGlobal(p)); }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // Editing
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        box()->setSelection(start, end - start);
        box()->insert(text);
    }
};

QAccessibleInterface* programInterface(const QString&, QObject* o)
{
    auto* w = qobject_cast<QWidget*>(o);
    if (!w)
        return nullptr;
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return new TextBox(e);
    const QVariant role = w->property(kRole);
    return role.isValid() ? new QAccessibleWidget(w, QAccessible::Role(role.toInt())) : nullptr;
}

/// The text boxes taking and leaving the focus, until the new focus has been told.
QPointer<QObject> takingFocus, leavingFocus;
/// The object whose events are not told, while a Silence lives.
QObject* silenced = nullptr;

/// Passes every event on to the platform's bridge, but a text box's caret and
/// selection events while the focus moves: Qt tells those of the box taking it
/// before the focus, and Orca, taking the box as known from them, then says
/// nothing of it; those of the box leaving it are read out as "text unselected".
void passOn(QAccessibleEvent* e)
{
    if (e->object() && e->object() == silenced)
        return;
    const bool moving = e->object() && (e->object() == takingFocus || e->object() == leavingFocus);
    if (moving && (e->type() == QAccessible::TextCaretMoved || e->type() == QAccessible::TextSelectionChanged))
        return;
    if (e->type() == QAccessible::Focus)
        takingFocus = leavingFocus = nullptr;
    // The bridge is reached as updateAccessibility reaches it when no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(e);
    QAccessible::installUpdateHandler(passOn);
}

class FocusWatch : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::FocusIn && qobject_cast<QLineEdit*>(o))
            takingFocus = o;
        else if (e->type() == QEvent::FocusOut && qobject_cast<QLineEdit*>(o))
            leavingFocus = o;
        return false;
    }
};

} // namespace

namespace Accessibility {

void Install()
{
    static bool installed = false;
    if (installed || !qApp)
        return;
    installed = true;
    QAccessible::installFactory(programInterface);
    qApp->installEventFilter(new FocusWatch(qApp));
    QAccessible::installUpdateHandler(passOn);
}

Silence::Silence(QObject* o) : previous_(std::exchange(silenced, o)) { }

Silence::~Silence() { silenced = previous_; }

void Announce(QWidget* beside, const QString& text)
{
    QWidget* window = beside->window();
    auto* notice = window->findChild<QLabel*>(QStringLiteral("notice"), Qt::FindDirectChildrenOnly);
    if (!notice) {
        notice = new QLabel(window);
        notice->setObjectName(QStringLiteral("notice"));
        SetRole(notice, QAccessible::Notification);
        notice->setGeometry(0, 0, 1, 1);
    }
    notice->hide();
    notice->setText(text);
    notice->setAccessibleName(text);
    notice->show(); // a notification is spoken as it shows
}

void SetRole(QWidget* w, QAccessible::Role role) { w->setProperty(kRole, int(role)); }

} // namespace Accessibility
