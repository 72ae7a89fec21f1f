#pragma once
// The window lifecycle: each window is one instance, made with its load step
// when it is opened and destroyed when it is closed; opening it again makes a
// fresh one. A window nobody opened does not exist, and costs nothing.
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QAbstractButton;

/// Base of every window of the program.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::Window);
    /// The load step, run once right after creation: the window fills itself.
    virtual void Load() { }

    /// Grows the window's height to what its texts need at its width: a text
    /// that wraps onto more lines after a change is never cut.
    void FitHeight();

protected:
    /// Return in a text box presses enter; Escape presses cancel. A window
    /// without a cancel button closes on Escape.
    void SetKeyButtons(QAbstractButton* enter, QAbstractButton* cancel);
    /// Closing from the title bar unloads the window.
    void closeEvent(QCloseEvent* e) override;
    /// Opens centred over the main window, inside the screen.
    void showEvent(QShowEvent* e) override;
    /// Return presses the focused button, as on any desktop.
    void keyPressEvent(QKeyEvent* e) override;
    /// Once the window is active, its focus is told again: a screen reader
    /// that heard of it before it knew of the window reads it now.
    bool event(QEvent* e) override;

private:
    void escape();
    bool placed_ = false;
    bool focusRetold_ = false; ///< since the window was last shown
    QPointer<QAbstractButton> enter_, cancel_;
};

namespace Forms {

/// What the main window is besides its own class: the owner of the others.
class Main {
public:
    virtual ~Main() = default;
};

/// The loaded windows, oldest first.
QList<QWidget*> Loaded();
/// The loaded window of type T, if any.
template <class T> T* Find()
{
    for (QWidget* w : Loaded())
        if (T* t = dynamic_cast<T*>(w))
            return t;
    return nullptr;
}
/// Hides and destroys the window; a later reference creates a fresh one.
void Unload(QWidget* w);

void Register(QWidget* w);
/// Parent for new windows: the main window while it is loaded, so that the
/// others stay above it.
QWidget* Owner();

/// The keys every window and message box answers besides its own (the
/// game's clock, which the shell names): given once, taken by each as it is made.
void SetWindowKeys(std::function<void(QWidget*)> keys);
void TakeWindowKeys(QWidget* window);

/// The one instance of window T, made (hidden) with its load step if needed;
/// its object name is its class's.
template <class T> T& Get()
{
    if (T* w = Find<T>())
        return *w;
    T* t = new T;
    t->setObjectName(QString::fromLatin1(T::staticMetaObject.className()));
    Register(t);
    t->Load();
    return *t;
}

/// The instance of T if it is open, without making it.
template <class T> T* IfLoaded() { return Find<T>(); }

} // namespace Forms
