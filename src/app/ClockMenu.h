#pragma once
// The main window's Clock menu: pause and the game's speed, checked as the
// game's clock stands, and the status bar's word on them. Every window's keys
// reach the clock too (Pause, Ctrl+minus, Ctrl+plus); whatever changes it, the
// change is shown here and heard once by a screen reader.
#include <QMap>
#include <QObject>

class GameClock;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;

class ClockMenu : public QObject {
    Q_OBJECT
public:
    /// The menu "C&lock" on the bar, its entries kept by index in items; the
    /// label shows "Paused" and a speed other than normal.
    ClockMenu(QMenuBar* bar, QMap<int, QAction*>& items, QLabel* label, GameClock& clock);
    QMenu* menu() const { return menu_; }
    /// The entry of that index was chosen.
    void Click(int index);

private:
    /// The checks and the label as the clock stands.
    void show();
    void told(const QString& text);

    QMenu* menu_;
    QMap<int, QAction*>& items_;
    QLabel* label_;
    GameClock& clock_;
};
