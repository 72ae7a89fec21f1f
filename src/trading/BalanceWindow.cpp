#include "BalanceWindow.h"
#include "TradingEvents.h"
#include "data/Holdings.h"
#include "game/Calendar.h"
#include "game/FollowGame.h"
#include "game/GameTimer.h"
#include "game/Session.h"
#include "ui/Controls.h"
#include "ui/Failure.h"
#include "ui/Look.h"
#include "ui/Numbers.h"
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QLabel* title(QWidget* parent, const char* name, const QString& caption)
{
    auto* lb = new QLabel(caption, parent);
    lb->setObjectName(QString::fromLatin1(name));
    lb->setFont(Look::Title(parent->font()));
    return lb;
}

QLineEdit* amount(QWidget* parent, const char* name, QLabel* title)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(true);
    title->setBuddy(e);
    e->setAccessibleName(title->text());
    e->setMinimumWidth(parent->fontMetrics().horizontalAdvance(QStringLiteral("-000000000.0000")) + 12);
    return e;
}
} // namespace

BalanceWindow::BalanceWindow()
{
    setWindowTitle(tr("Balance"));
    setProperty("helpContextID", 5); // its help topic
    Look::Silver(this);
    playerLabel = title(this, "playerLabel", {});
    playerLabel->setAlignment(Qt::AlignCenter);
    playerLabel->setAccessibleDescription(tr("Player"));
    cashLabel = title(this, "cashLabel", tr("Cash"));
    cashBox = amount(this, "cashBox", cashLabel);
    stocksLabel = title(this, "stocksLabel", tr("Stocks"));
    stocksBox = amount(this, "stocksBox", stocksLabel);
    balanceLabel = title(this, "balanceLabel", tr("Balance"));
    balanceBox = amount(this, "balanceBox", balanceLabel);
    portfolioButton = Controls::Button(this, "portfolioButton", tr("View Portfolio"));
    noteLabel = new QLabel(this);
    noteLabel->setObjectName(QStringLiteral("noteLabel"));
    noteLabel->setWordWrap(true);
    auto* grid = new QGridLayout(this);
    grid->addWidget(playerLabel, 0, 0, 1, 2);
    int row = 1;
    for (auto [label, box] : {std::pair(cashLabel, cashBox), {stocksLabel, stocksBox}, {balanceLabel, balanceBox}}) {
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row++, 1);
    }
    grid->addWidget(portfolioButton, row++, 0, Qt::AlignLeft);
    grid->addWidget(noteLabel, row, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    refreshTimer = new GameTimer(Session::Current().Clock(), this, true, 0);
    refreshTimer->setObjectName(QStringLiteral("refreshTimer"));
    connect(refreshTimer, &GameTimer::timeout, this, &BalanceWindow::RefreshInTradingHours);
    connect(portfolioButton, &QPushButton::clicked, this, [] { emit Trading::Events::Get().portfolioWanted(); });
    FollowGame(this, {Change::Move, Change::Trade}, [this](const Game& game, Change) { Refresh(game); });
}

void BalanceWindow::Load()
{
    if (const Game* game = Session::Current().CurrentGame())
        Refresh(*game);
    refreshTimer->setEnabled(true);
    refreshTimer->setInterval(Calendar::kMinuteMs);
}

void BalanceWindow::RefreshInTradingHours()
{
    const Game* game = Session::Current().CurrentGame();
    const auto t = Session::Current().Clock().TimeOfDay();
    if (game && t && Calendar::IsOpen(*t))
        Refresh(*game);
}

void BalanceWindow::Refresh(const Game& game)
{
    try {
        dao::Database file = game.Open();
        const Holdings::Worth w = Holdings::WorthOf(file, game.StartingBalance);
        Controls::SetText(cashBox, Numbers::PlainText(w.cash));
        playerLabel->setText(game.PlayerName);
        Controls::SetText(stocksBox, w.stocks ? Numbers::PlainText(*w.stocks) : QString());
        Controls::SetText(balanceBox, Numbers::PlainText(w.balance()));
        noteLabel->setText(w.unlisted.isEmpty()
                ? QString()
                : tr("Not listed in the market, valued at 0: %1").arg(w.unlisted.join(QStringLiteral(", "))));
    } catch (const std::exception& e) {
        // Said in the window: a message box each second would lock the player out.
        noteLabel->setText(Ui::Failure(tr("The balance cannot be worked out"), e));
    }
    noteLabel->setVisible(!noteLabel->text().isEmpty());
    FitHeight();
}
