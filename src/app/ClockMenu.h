#pragma once
// The main window's Clock menu: pause and the game's speed, checked as the
// game's clock stands, and the status bar's word on them. Its commands are
// one table: the menu's entries, their keys, and the keys every other window
// and message box answers (Pause, Ctrl+minus, Ctrl+plus); whatever changes
// the clock, the change is shown here and heard once by a screen reader.
#include <QObject>
#include <array>

class GameClock;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QWidget;

class ClockMenu : public QObject {
    Q_OBJECT
public:
    /// The menu "C&lock" on the bar; the label shows "Paused" and a speed other than normal.
    ClockMenu(QMenuBar* bar, QLabel* label, GameClock& clock);
    QMenu* menu() const { return menu_; }

    QAction* pauseAction;
    QAction* slowerAction;
    QAction* fasterAction;
    /// One a speed, slowest first.
    std::array<QAction*, 6> speedActions{};

    /// A speed's name: "Quarter speed" to "Ten times speed".
    static QString SpeedName(int speed);
    /// Gives a window, or a message box, the clock's keys.
    static void TakeKeys(QWidget* window, GameClock& clock);

private:
    /// The checks and the label as the clock stands.
    void show();
    void told(const QString& text);

    QMenu* menu_;
    QLabel* label_;
    GameClock& clock_;
};
