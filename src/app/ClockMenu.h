#pragma once
// The main window's Clock menu: pause and the game's speed, checked as the
// game's clock stands, and the status bar's word on them. Its commands are
// one table: the menu's entries, their keys, and the keys every other window
// and message box answers (Pause, Ctrl+minus, Ctrl+plus); whatever changes
// the clock, the change is shown here and heard once by a screen reader.
#include <QMap>
#include <QObject>
#include <functional>

class GameClock;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QWidget;

class ClockMenu : public QObject {
    Q_OBJECT
public:
    /// The menu "C&lock" on the bar, its entries kept in items by their place
    /// in it; the label shows "Paused" and a speed other than normal.
    ClockMenu(QMenuBar* bar, QMap<int, QAction*>& items, QLabel* label, GameClock& clock);
    QMenu* menu() const { return menu_; }
    /// The entry of that place was chosen.
    void Click(int index);

    /// A speed's name: "Quarter speed" to "Ten times speed".
    static QString SpeedName(int speed);
    /// Gives a window, or a message box, the clock's keys.
    static void TakeKeys(QWidget* window, GameClock& clock);

private:
    /// The checks and the label as the clock stands.
    void show();
    void told(const QString& text);

    QMenu* menu_;
    QMap<int, QAction*>& items_;
    QMap<int, std::function<void()>> clicks_;
    QAction* pause_ = nullptr;
    QLabel* label_;
    GameClock& clock_;
};
