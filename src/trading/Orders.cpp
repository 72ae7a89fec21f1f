#include "TradeRules.h"
#include "data/OrderBook.h"
#include "data/WorthLog.h"
#include "data/kit/Accessibility.h"
#include "data/kit/App.h"
#include "data/kit/MsgBox.h"
#include "data/kit/Numbers.h"
#include "data/kit/Session.h"
#include "frmOrders.h"
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>

namespace Module1 {

namespace {

/// "buy 100 of ALDR at or below 20"
QString described(const OrderBook::Order& o)
{
    return QStringLiteral("%1 %2 of %3 %4 %5")
        .arg(OrderBook::TypeName(o.type).toLower())
        .arg(o.units)
        .arg(o.symbol, OrderBook::ConditionName(o.atOrBelow), Numbers::PlainText(o.price));
}

/// The order the window asks for, or why it cannot be placed.
std::variant<OrderBook::Order, QString> asked(const frmOrders& f)
{
    const double units = Numbers::ReadTyped(f.quantity->text());
    // Only an entry chosen from the list counts, not a text typed over it.
    const QString chosen = f.Combo1->itemText(f.Combo1->currentIndex());
    const QString symbol = f.Combo1->currentIndex() >= 0 && f.Combo1->currentText() == chosen ? chosen : QString();
    if (const auto refused = TradeRules::RefusedAsAsked(units, f.ChosenType(), !symbol.isEmpty()))
        return *refused;
    if (!f.ChosenAtOrBelow())
        return QStringLiteral("Choose a condition: at or below, or at or above.");
    const double price = Numbers::ReadTyped(f.txtPrice->text());
    if (!(price > 0 && price < 1e12))
        return QStringLiteral("Type the price the order waits for: a number above 0.");
    OrderBook::Order o;
    o.symbol = symbol;
    o.type = f.ChosenType();
    o.atOrBelow = *f.ChosenAtOrBelow();
    o.price = dao::Currency::fromDouble(price);
    o.units = int64_t(units);
    o.placed = WorthLog::Now();
    return o;
}

/// Runs a change of the game's orders; a failure is told, and nothing changed.
bool change(const QString& what, const std::function<void(dao::Database&, std::vector<OrderBook::Order>&)>& f)
{
    return Ui::Attempt(what, [&] {
        dao::Database game = dao::Database::open(App::GameFile());
        dao::Transaction tx = game.beginTransaction();
        std::vector<OrderBook::Order> orders = OrderBook::Read(game);
        f(game, orders);
        tx.commit();
    });
}

} // namespace

void RefreshOrders()
{
    frmOrders* f = Forms::IfLoaded<frmOrders>();
    if (!f || !Session::Current().IsOpen())
        return;
    std::vector<OrderBook::Order> orders;
    try {
        dao::Database game = dao::Database::open(App::GameFile());
        orders = OrderBook::Read(game);
    } catch (const std::exception& e) {
        f->ReportFailure(QStringLiteral("The orders cannot be read from the game file"), e);
        return;
    }
    f->SetNote({});
    FlexGrid& g = *f->MSFlexGrid1;
    g.SetRows(int(orders.size()) + 1);
    f->shown.clear();
    const QLocale here;
    {
        FlexGrid::Batch batch(g);
        int r = 1;
        for (auto o = orders.rbegin(); o != orders.rend(); ++o, ++r) { // newest first
            f->shown.push_back(o->row);
            const QString cells[] = {o->symbol, OrderBook::TypeName(o->type), QString::number(o->units),
                OrderBook::ConditionName(o->atOrBelow), Numbers::PlainText(o->price),
                here.toString(o->placed, QLocale::ShortFormat), o->state, o->note};
            for (int c = 0; c < g.Cols(); ++c)
                g.SetTextMatrix(r, c, cells[c]);
        }
    }
    f->FitGrid();
}

void PlaceOrder()
{
    frmOrders& f = Forms::Get<frmOrders>();
    const auto order = asked(f);
    if (const QString* refused = std::get_if<QString>(&order)) {
        TradeRules::Tell(*refused);
        return;
    }
    const OrderBook::Order& o = std::get<OrderBook::Order>(order);
    bool full = false;
    if (!change(QStringLiteral("The order could not be placed in the game file"), [&](auto& game, auto& orders) {
            full = std::count_if(orders.begin(), orders.end(), [](const auto& x) { return x.isOpen(); }) >=
                OrderBook::kMostOpen;
            if (!full)
                OrderBook::Place(game, o);
        }))
        return;
    if (full) {
        Ui::MsgBox(QStringLiteral("You have %1 open orders, as many as the market keeps: cancel one before you "
                                  "place another.")
                       .arg(OrderBook::kMostOpen));
        return;
    }
    RefreshOrders();
    Accessibility::Announce(f.MSFlexGrid1, QStringLiteral("Order placed: ") + described(o));
}

void CancelOrder()
{
    frmOrders& f = Forms::Get<frmOrders>();
    const std::optional<int> row = f.SelectedOrder();
    OrderBook::Order cancelled;
    if (!change(QStringLiteral("The order could not be cancelled in the game file"), [&](auto& game, auto& orders) {
            if (!row || *row >= int(orders.size()) || !orders[size_t(*row)].isOpen())
                return;
            cancelled = orders[size_t(*row)];
            cancelled.state = OrderBook::kCancelled;
            cancelled.done = WorthLog::Now();
            OrderBook::Update(game, cancelled);
        }))
        return;
    if (cancelled.isOpen()) { // nothing was cancelled
        Ui::MsgBox(QStringLiteral("Choose an open order in the list first."));
        return;
    }
    RefreshOrders();
    Accessibility::Announce(f.MSFlexGrid1, QStringLiteral("Order cancelled: ") + described(cancelled));
}

} // namespace Module1
