#include "GamePanel.h"
#include "data/Holdings.h"
#include "data/OrderBook.h"
#include "data/WorthLog.h"
#include "game/Game.h"
#include "game/GameClock.h"
#include "ui/Accessibility.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace {
/// A change in money, and as a share of what it is counted from.
QString change(dao::Currency now, dao::Currency from)
{
    const dao::Currency diff = now - from;
    QString text = (diff > dao::Currency() ? QStringLiteral("+") : QString()) + Numbers::PlainText(diff);
    if (from != dao::Currency()) {
        const double percent = diff.toDouble() / from.toDouble() * 100;
        text += QStringLiteral(" (%1%2 %)")
                    .arg(percent > 0 ? QStringLiteral("+") : QString(), QLocale().toString(percent, 'f', 2));
    }
    return text;
}
} // namespace

GamePanel::GamePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("GamePanel"));
    Accessibility::Install(); // before its boxes are written: they are presented as every box is
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 12, 16, 12);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    // Two columns of figures, read down the first, then the second; the news
    // across the foot. Each figure a box its title names: Tab reaches it, and
    // a screen reader reads both.
    int row = 0, column = 0;
    auto figure = [&](const char* name, const QString& title, int span = 1) {
        auto* label = new QLabel(title, this);
        label->setObjectName(QString::fromLatin1(name).chopped(3) + QStringLiteral("Label"));
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        Controls::MakeDisplayBox(box);
        label->setBuddy(box);
        box->setAccessibleName(label->text());
        grid->addWidget(label, row, column);
        grid->addWidget(box, row, column + 1, 1, span);
        ++row;
        return box;
    };
    playerBox = figure("playerBox", tr("Player"));
    cashBox = figure("cashBox", tr("Cash"));
    stocksBox = figure("stocksBox", tr("Stocks"));
    balanceBox = figure("balanceBox", tr("Balance"));
    row = 0;
    column = 2;
    sinceStartBox = figure("sinceStartBox", tr("Since the game began"));
    todayBox = figure("todayBox", tr("Since the day began"));
    ordersBox = figure("ordersBox", tr("Open orders"));
    row = 4;
    column = 0;
    newsBox = figure("newsBox", tr("Latest news"), 3);
    // Room for every figure whole: a number is never cut at its start.
    const QFontMetrics fm = fontMetrics();
    const int money = fm.horizontalAdvance(QStringLiteral("-0000000000.0000")) + 12;
    for (QLineEdit* e : {cashBox, stocksBox, balanceBox})
        e->setMinimumWidth(money);
    for (QLineEdit* e : {sinceStartBox, todayBox})
        e->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("-0000000.0000 (-000.00 %)")) + 12);
    playerBox->setMinimumWidth(fm.horizontalAdvance(QString(16, QLatin1Char('x'))));
    hide();
}

void GamePanel::Refresh(const Game* game)
{
    if (!game) {
        dayStart_.reset();
        shownGame_.clear();
        ShowNews({});
        hide();
        return;
    }
    if (game->Id != shownGame_) { // every figure from the game now open
        shownGame_ = game->Id;
        dayStart_.reset();
    }
    Holdings::Worth w;
    int open = 0;
    const QDate today = game->Clock().Now().date();
    try {
        dao::Database file = game->Open();
        w = Holdings::WorthOf(file, game->StartingBalance);
        open = OrderBook::OpenCount(file);
        if (!dayStart_ || dayStart_->first != today)
            dayStart_ = {today, WorthLog::DayStartBalance(file, today).value_or(w.balance())};
    } catch (const std::exception&) {
        return; // the windows that show the figures say why; the panel keeps its last
    }
    const dao::Currency balance = w.balance();
    Controls::SetText(playerBox, game->PlayerName);
    Controls::SetText(cashBox, Numbers::PlainText(w.cash));
    Controls::SetText(stocksBox, Numbers::PlainText(w.stocks.value_or(dao::Currency())));
    Controls::SetText(balanceBox, Numbers::PlainText(balance));
    Controls::SetText(sinceStartBox, change(balance, game->StartingBalance));
    Controls::SetText(todayBox, change(balance, dayStart_->second));
    Controls::SetText(ordersBox, QString::number(open));
    show();
}

void GamePanel::ClockMoved(const Game* game, const QDate& day)
{
    if (game && (!dayStart_ || dayStart_->first != day))
        Refresh(game);
}

void GamePanel::ShowNews(const QString& text) { Controls::SetText(newsBox, text); }
