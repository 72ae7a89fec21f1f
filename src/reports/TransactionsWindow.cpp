#include "TransactionsWindow.h"
#include "data/GameReport.h"
#include "data/GameSchema.h"
#include "game/FollowGame.h"
#include "game/Session.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
/// The value without its sign, of the same kind.
dao::Value magnitude(const dao::Value& v)
{
    using K = dao::Value::Kind;
    switch (v.kind()) {
    case K::Long:
        return v.asLong() < 0 ? dao::Value(-v.asLong()) : v;
    case K::Double:
        return v.asDouble() < 0 ? dao::Value(-v.asDouble()) : v;
    case K::Currency:
        return v.asCurrency() < dao::Currency() ? dao::Value(-v.asCurrency()) : v;
    default:
        return v;
    }
}

struct LoggedTrade {
    dao::Value symbol, price, units, result;
};
} // namespace

TransactionsWindow::TransactionsWindow() : ReportWindow(tr("Transactions"), MakeGrid(kRows, 5), 9)
{
    grid->SetColumnNames({tr("Symbol"), tr("Price"), tr("Units"), tr("Amount"), tr("Type")});
    auto* top = new QHBoxLayout;
    countLabel = new QLabel(this);
    countLabel->setObjectName(QStringLiteral("countLabel"));
    countLabel->setToolTip(tr("Number of transactions"));
    // Reached by Tab and read under its title, as the count a sighted player sees.
    Controls::MakeReadable(countLabel);
    titleLabel = Controls::Title(this, "titleLabel", tr("Transactions"), countLabel);
    QFont bold = titleLabel->font();
    bold.setBold(true);
    titleLabel->setFont(bold);
    top->addWidget(titleLabel);
    top->addWidget(countLabel, 1);
    box->insertLayout(0, top);
    FollowGame(this, {Change::Trade}, [this](const Game& game, Change why) {
        if (why == Change::Game) { // as a window opened on the game would be: none of the last game's lines left
            countLabel->clear();
            grid->ClearCells();
            grid->SetRows(kRows);
            grid->SetRow(0);
            grid->SetCol(0);
        }
        Refresh(game);
    });
}

void TransactionsWindow::Load()
{
    if (const Game* game = Session::Current().CurrentGame())
        Refresh(*game);
}

void TransactionsWindow::Refresh(const Game& game)
{
    std::vector<LoggedTrade> trades;
    if (!GameReport::Read(*this, game, tr("The transactions cannot be read from the game file"),
            [&](dao::Database& file) {
                // In stored order: the order the trades were made.
                using namespace GameSchema;
                dao::Recordset rs = file.openSnapshot(kTradeTable);
                for (int i = 0, n = rs.recordCount(); i < n; ++i, rs.moveNext())
                    trades.push_back(
                        {rs.field(kSymbolField), rs.field(kPriceField), rs.field(kUnitsField), rs.field(kResultField)});
            }))
        return;
    ReportGrid& g = *grid;
    if (trades.empty()) {
        g.SetRow(0);
        g.SetText(tr("There isn't any transaction yet"));
        g.SetCol(0);
        g.SetText(tr("N/A"));
    } else {
        const int n = int(trades.size());
        countLabel->setText(QString::number(n));
        g.SetRows(n);
        g.SetCol(0);
        for (int k = 0; k < n; ++k) {
            const LoggedTrade& t = trades[size_t(k)];
            const bool sale = t.units.isNumber() && t.units.toDouble() < 0;
            g.SetRow(k);
            g.SetCellText(k, 2, Numbers::PlainText(magnitude(t.units)));
            g.SetCellText(k, 4, sale ? tr("Sell") : tr("Buy"));
            g.SetCellText(k, 3, Numbers::PlainText(magnitude(t.result)));
            g.SetCellText(k, 0, Numbers::PlainText(t.symbol));
            g.SetCellText(k, 1, Numbers::PlainText(t.price));
        }
    }
    FitGrid();
}
