#pragma once
// The game at a glance, in the main window's client area while a game is
// open: the player, the money, the change since the game began and since the
// day began, the open orders and the latest thing the market did unasked.
// The shell refreshes it after every move, trade, fill and margin call.
#include "dao/Currency.h"
#include <QDate>
#include <QWidget>
#include <optional>

class Game;
class QLabel;
class QLineEdit;

class GamePanel : public QWidget {
    Q_OBJECT
public:
    explicit GamePanel(QWidget* parent);

    QLineEdit *playerBox, *cashBox, *stocksBox, *balanceBox, *sinceStartBox, *todayBox, *ordersBox, *newsBox;

    /// Reads the game's figures again, each counted from that game's own
    /// start and day; with no game the panel is hidden.
    void Refresh(const Game* game);
    /// A time the clock shows: on a new day the day's start is taken afresh.
    void ClockMoved(const Game* game, const QDate& day);
    /// The latest thing that happened unasked; empty for nothing.
    void ShowNews(const QString& text);

private:
    /// The balance as the day began, of the game shown.
    std::optional<std::pair<QDate, dao::Currency>> dayStart_;
    QString shownGame_;
};
