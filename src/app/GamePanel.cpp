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
        label->setObjectName(QStringLiteral("lbl") + QString::fromLatin1(name).mid(3));
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
    txtPlayer = figure("txtPlayer", tr("Player"));
    txtCash = figure("txtCash", tr("Cash"));
    txtStocks = figure("txtStocks", tr("Stocks"));
    txtBalance = figure("txtBalance", tr("Balance"));
    row = 0;
    column = 2;
    txtSinceStart = figure("txtSinceStart", tr("Since the game began"));
    txtToday = figure("txtToday", tr("Since the day began"));
    txtOrders = figure("txtOrders", tr("Open orders"));
    row = 4;
    column = 0;
    txtNews = figure("txtNews", tr("Latest news"), 3);
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
    Controls::SetText(txtPlayer, game->PlayerName);
    Controls::SetText(txtCash, Numbers::PlainText(w.cash));
    Controls::SetText(txtStocks, Numbers::PlainText(w.stocks.value_or(dao::Currency())));
    Controls::SetText(txtBalance, Numbers::PlainText(balance));
    Controls::SetText(txtSinceStart, change(balance, game->StartingBalance));
    Controls::SetText(txtToday, change(balance, dayStart_->second));
    Controls::SetText(txtOrders, QString::number(open));
    show();
}

void GamePanel::ClockMoved(const Game* game, const QDate& day)
{
    if (game && (!dayStart_ || dayStart_->first != day))
        Refresh(game);
}

void GamePanel::ShowNews(const QString& text) { Controls::SetText(txtNews, text); }
