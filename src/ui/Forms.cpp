#include "Forms.h"
#include "Accessibility.h"
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLayout>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace {
constexpr int kFocusRetoldAfterMs = 150;
std::vector<QPointer<QWidget>>& registry()
{
    static std::vector<QPointer<QWidget>> r;
    return r;
}
void prune()
{
    auto& r = registry();
    std::erase_if(r, [](const QPointer<QWidget>& p) { return p.isNull(); });
}
} // namespace

Form::Form(QWidget* parent, Qt::WindowFlags f) : QWidget(parent ? parent : Forms::Owner(), f)
{
    // Announced as a window with its caption; a plain widget that is a window
    // would be announced as a bare client area.
    Accessibility::SetRole(this, QAccessible::Window);
    // A shortcut, so that the box or list with the focus cannot swallow it.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &Form::escape);
    Forms::TakeWindowKeys(this);
}

void Form::SetKeyButtons(QAbstractButton* enter, QAbstractButton* cancel)
{
    enter_ = enter;
    cancel_ = cancel;
}

void Form::escape()
{
    if (cancel_)
        cancel_->click();
    else
        Forms::Unload(this);
}

void Form::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        QWidget* focus = focusWidget();
        QAbstractButton* press = qobject_cast<QPushButton*>(focus);
        auto* list = qobject_cast<QComboBox*>(focus);
        if (!press &&
            (qobject_cast<QLineEdit*>(focus) || (list && list->isEditable()) ||
                qobject_cast<QAbstractItemView*>(focus)))
            press = enter_;
        if (press && press->isEnabled()) {
            press->click();
            return;
        }
    }
    QWidget::keyPressEvent(e);
}

bool Form::event(QEvent* e)
{
    if (e->type() == QEvent::Hide)
        focusRetold_ = false;
    if (e->type() == QEvent::WindowActivate && !focusRetold_) {
        focusRetold_ = true;
        // The focus may land before the window is announced, and go unheard:
        // told again after the activation, which a reader takes as new only
        // where it missed it.
        QTimer::singleShot(kFocusRetoldAfterMs, this, [this] {
            QWidget* f = focusWidget();
            if (!f || !isActiveWindow())
                return;
            QAccessibleEvent focus(f, QAccessible::Focus);
            // In a list, the line it stands on: the list alone is read as its count of lines.
            auto* list = qobject_cast<QListView*>(f);
            QAccessibleInterface* a = list ? QAccessible::queryAccessibleInterface(list) : nullptr;
            if (a && a->tableInterface() && list->currentIndex().isValid())
                if (QAccessibleInterface* line = a->tableInterface()->cellAt(list->currentIndex().row(), 0))
                    focus.setChild(a->indexOfChild(line));
            QAccessible::updateAccessibility(&focus);
        });
    }
    return QWidget::event(e);
}

void Form::FitHeight()
{
    QLayout* l = layout();
    if (!l)
        return;
    l->activate();
    const int needed = l->hasHeightForWidth() ? l->totalHeightForWidth(width()) : l->totalMinimumSize().height();
    if (needed > height())
        resize(width(), needed);
}

void Form::closeEvent(QCloseEvent* e)
{
    e->accept();
    Forms::Unload(this);
}

void Form::showEvent(QShowEvent* e)
{
    if (!placed_) {
        placed_ = true;
        QWidget* owner = Forms::Owner();
        QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        const QRect over = owner && owner->isVisible() ? owner->frameGeometry() : area;
        QRect r(QPoint(0, 0), frameGeometry().size().expandedTo(size()));
        r.moveCenter(over.center());
        // Cascaded from the windows already open there, so none hides another's caption.
        for (bool moved = true; moved;) {
            moved = false;
            for (QWidget* w : Forms::Loaded())
                if (w != this && w != owner && w->isVisible() &&
                    (w->frameGeometry().center() - r.center()).manhattanLength() < 12) {
                    r.translate(24, 24);
                    moved = r.bottom() < area.bottom() && r.right() < area.right();
                    break;
                }
        }
        r.moveRight(std::min(r.right(), area.right()));
        r.moveBottom(std::min(r.bottom(), area.bottom()));
        r.moveLeft(std::max(r.left(), area.left()));
        r.moveTop(std::max(r.top(), area.top()));
        move(r.topLeft());
    }
    QWidget::showEvent(e);
}

namespace Forms {

QList<QWidget*> Loaded()
{
    prune();
    QList<QWidget*> out;
    for (const auto& p : registry())
        out << p.data();
    return out;
}

void Register(QWidget* w)
{
    Accessibility::Install();
    registry().emplace_back(w);
}

void Unload(QWidget* w)
{
    if (!w)
        return;
    std::erase_if(registry(), [w](const QPointer<QWidget>& p) { return p.isNull() || p.data() == w; });
    w->hide();
    // Deferred: the window may be unloading itself from one of its own handlers.
    w->deleteLater();
}

QWidget* Owner()
{
    for (QWidget* w : Loaded())
        if (dynamic_cast<Main*>(w))
            return w;
    return nullptr;
}

} // namespace Forms

namespace Forms {

namespace {
std::function<void(QWidget*)>& windowKeys()
{
    static std::function<void(QWidget*)> k;
    return k;
}
} // namespace

void SetWindowKeys(std::function<void(QWidget*)> keys) { windowKeys() = std::move(keys); }

void TakeWindowKeys(QWidget* window)
{
    if (windowKeys())
        windowKeys()(window);
}

} // namespace Forms
