#include "TradeRules.h"
#include "TradingEvents.h"
#include "data/GameReport.h"
#include "data/OrderBook.h"
#include "frmOrders.h"
#include "game/GameClock.h"
#include "ui/Accessibility.h"
#include "ui/MsgBox.h"
#include "ui/Numbers.h"
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>

namespace Module1 {

namespace {

/// "buy 100 of ALDR at or below 20"
QString described(const OrderBook::Order& o)
{
    return QCoreApplication::translate("Trading", "%1 %2 of %3 %4 %5")
        .arg(TradeRules::Caption(o.type).toLower())
        .arg(o.units)
        .arg(o.symbol, frmOrders::Caption(o.condition), Numbers::PlainText(o.price));
}

/// The order the window asks for; none where it cannot be placed, which is told.
std::optional<OrderBook::Order> asked(const frmOrders& f, const QDateTime& now)
{
    // Read whole, in the player's format: a text cut short at a comma is a wrong order.
    const double units = Numbers::ReadWhole(f.quantity->text()).value_or(0);
    // Only an entry chosen from the list counts, not a text typed over it.
    const QString chosen = f.Combo1->itemText(f.Combo1->currentIndex());
    const QString symbol = f.Combo1->currentIndex() >= 0 && f.Combo1->currentText() == chosen ? chosen : QString();
    if (const auto refused = TradeRules::RefusedAsAsked(units, f.ChosenType(), !symbol.isEmpty())) {
        TradeRules::Tell(*refused);
        return std::nullopt;
    }
    const std::optional<OrderBook::Condition> condition = f.ChosenCondition();
    if (!condition) {
        Ui::MsgBox(QCoreApplication::translate("Trading", "Choose a condition: at or below, or at or above."));
        return std::nullopt;
    }
    const double price = Numbers::ReadWhole(f.txtPrice->text()).value_or(0);
    if (!(price > 0 && price < 1e12)) {
        Ui::MsgBox(QCoreApplication::translate("Trading", "Type the price the order waits for: a number above 0."));
        return std::nullopt;
    }
    OrderBook::Order o;
    o.symbol = symbol;
    o.type = f.ChosenType();
    o.condition = *condition;
    o.price = dao::Currency::fromDouble(price);
    o.units = int64_t(units);
    o.placed = now;
    return o;
}

/// Runs a change of the game's orders; a failure is told, and nothing changed.
bool change(
    const Game& g, const QString& what, const std::function<void(dao::Database&, std::vector<OrderBook::Order>&)>& f)
{
    return Ui::Attempt(what, [&] {
        dao::Database game = g.Open();
        dao::Transaction tx = game.beginTransaction();
        std::vector<OrderBook::Order> orders = OrderBook::Read(game);
        f(game, orders);
        tx.commit();
    });
}

/// A state as the list shows it.
QString shown(OrderBook::State s)
{
    switch (s) {
    case OrderBook::State::Open:
        return QCoreApplication::translate("Trading", "open");
    case OrderBook::State::Filled:
        return QCoreApplication::translate("Trading", "filled");
    case OrderBook::State::Cancelled:
        break;
    }
    return QCoreApplication::translate("Trading", "cancelled");
}

} // namespace

void RefreshOrders(const Game* game)
{
    frmOrders* f = Forms::IfLoaded<frmOrders>();
    if (!f || !game)
        return;
    std::vector<OrderBook::Order> orders;
    if (!GameReport::Read(*f, *game,
            QCoreApplication::translate("Trading", "The orders cannot be read from the game file"),
            [&](dao::Database& file) { orders = OrderBook::Read(file); }))
        return;
    FlexGrid& g = *f->MSFlexGrid1;
    g.SetRows(int(orders.size()) + 1);
    f->shown.clear();
    const QLocale here;
    {
        FlexGrid::Batch batch(g);
        int r = 1;
        for (auto o = orders.rbegin(); o != orders.rend(); ++o, ++r) { // newest first
            f->shown.push_back(o->row);
            const QString cells[] = {o->symbol, TradeRules::Caption(o->type), QString::number(o->units),
                frmOrders::Caption(o->condition), Numbers::PlainText(o->price),
                here.toString(o->placed, QLocale::ShortFormat), shown(o->state), TradeRules::Words::Shown(o->note)};
            for (int c = 0; c < g.Cols(); ++c)
                g.SetTextMatrix(r, c, cells[c]);
        }
    }
    f->FitGrid();
}

void PlaceOrder(const Game& game)
{
    frmOrders& f = Forms::Get<frmOrders>();
    const std::optional<OrderBook::Order> order = asked(f, game.Clock().Now());
    if (!order)
        return;
    const OrderBook::Order& o = *order;
    bool full = false;
    if (!change(game, QCoreApplication::translate("Trading", "The order could not be placed in the game file"),
            [&](auto& file, auto& orders) {
                full = std::count_if(orders.begin(), orders.end(), [](const auto& x) { return x.isOpen(); }) >=
                    OrderBook::kMostOpen;
                if (!full)
                    OrderBook::Place(file, o);
            }))
        return;
    if (full) {
        Ui::MsgBox(QCoreApplication::translate("Trading",
            "You have %1 open orders, as many as the market keeps: cancel one before you "
            "place another.")
                       .arg(OrderBook::kMostOpen));
        return;
    }
    RefreshOrders(&game);
    Accessibility::Announce(f.MSFlexGrid1, QCoreApplication::translate("Trading", "Order placed: ") + described(o));
    emit Trading::Events::Get().ordersChanged();
}

void CancelOrder(const Game& game)
{
    frmOrders& f = Forms::Get<frmOrders>();
    const std::optional<int> row = f.SelectedOrder();
    OrderBook::Order cancelled;
    if (!change(game, QCoreApplication::translate("Trading", "The order could not be cancelled in the game file"),
            [&](auto& file, auto& orders) {
                if (!row || *row >= int(orders.size()) || !orders[size_t(*row)].isOpen())
                    return;
                cancelled = orders[size_t(*row)];
                cancelled.state = OrderBook::State::Cancelled;
                cancelled.done = game.Clock().Now();
                OrderBook::Update(file, cancelled);
            }))
        return;
    if (cancelled.isOpen()) { // nothing was cancelled
        Ui::MsgBox(QCoreApplication::translate("Trading", "Choose an open order in the list first."));
        return;
    }
    RefreshOrders(&game);
    Accessibility::Announce(
        f.MSFlexGrid1, QCoreApplication::translate("Trading", "Order cancelled: ") + described(cancelled));
    emit Trading::Events::Get().ordersChanged();
}

} // namespace Module1
