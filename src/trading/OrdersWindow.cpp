#include "OrdersWindow.h"
#include "Orders.h"
#include "TradeRules.h"
#include "TradingEvents.h"
#include "data/GameReport.h"
#include "data/StockList.h"
#include "game/FollowGame.h"
#include "game/GameClock.h"
#include "game/Session.h"
#include "ui/Accessibility.h"
#include "ui/Controls.h"
#include "ui/MsgBox.h"
#include "ui/Numbers.h"
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
/// The grid's column titles, in the player's language as the window is made.
QStringList columns()
{
    return {OrdersWindow::tr("Symbol"), OrdersWindow::tr("Type"), OrdersWindow::tr("Units"),
        OrdersWindow::tr("Condition"), OrdersWindow::tr("Price"), OrdersWindow::tr("Placed"),
        OrdersWindow::tr("State"), OrdersWindow::tr("Note")};
}

/// An option button of a group, known by its id: the value it stands for.
struct Option {
    QRadioButton** button;
    const char* name;
    QString caption;
    int id;
};

/// Option buttons in a titled group, two a line as on the desk, one of them to choose.
QButtonGroup* options(QWidget* window, QHBoxLayout* row, const QString& title, std::initializer_list<Option> buttons)
{
    auto* frame = new QGroupBox(title, window);
    auto* lines = new QGridLayout(frame);
    auto* group = new QButtonGroup(window);
    int i = 0;
    for (const Option& o : buttons) {
        *o.button = new QRadioButton(o.caption, frame);
        (*o.button)->setObjectName(QString::fromLatin1(o.name));
        group->addButton(*o.button, o.id);
        lines->addWidget(*o.button, i / 2, i % 2);
        ++i;
    }
    row->addWidget(frame);
    return group;
}

/// A box under its title, at the foot of the row: the title just above its box.
QLineEdit* titledBox(QWidget* window, QHBoxLayout* row, QLabel*& label, const char* labelName,
    const QString& caption, const char* name)
{
    auto* column = new QVBoxLayout;
    auto* box = new QLineEdit(window);
    box->setObjectName(QString::fromLatin1(name));
    box->setMinimumWidth(window->fontMetrics().horizontalAdvance(QStringLiteral("00000000.0000")) + 12);
    label = Controls::Title(window, labelName, caption, box);
    column->addWidget(label);
    column->addWidget(box);
    row->addLayout(column);
    row->setAlignment(column, Qt::AlignBottom);
    return box;
}
} // namespace

OrdersWindow::OrdersWindow() : ReportWindow(tr("Orders"), MakeGrid(1, int(columns().size()), 1), 19)
{
    const QStringList titles = columns();
    for (int c = 0; c < int(titles.size()); ++c)
        grid->SetCellText(0, c, titles[c]);
    grid->SetColumnNames(titles);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto* first = new QHBoxLayout;
    auto* stock = new QVBoxLayout;
    stockList = new QComboBox(this);
    stockList->setObjectName(QStringLiteral("stockList"));
    stockLabel = Controls::Title(this, "stockLabel", tr("Stock"), stockList);
    stockList->setAccessibleName(tr("Stock"));
    Controls::MakeSymbolList(stockList, stockList->accessibleName());
    stockList->setMinimumWidth(fontMetrics().horizontalAdvance(QString(12, QLatin1Char('X'))));
    stock->addWidget(stockLabel);
    stock->addWidget(stockList);
    first->addLayout(stock);
    first->setAlignment(stock, Qt::AlignBottom);
    currentPriceBox =
        titledBox(this, first, currentPriceLabel, "currentPriceLabel", tr("Current price"), "currentPriceBox");
    Controls::MakeDisplayBox(currentPriceBox);
    currentPriceBox->setAccessibleName(currentPriceLabel->text());
    unitsBox = titledBox(this, first, unitsLabel, "unitsLabel", tr("Units"), "unitsBox");
    auto type = [](QRadioButton** b, const char* name, TradeType t) {
        return Option{b, name, TradeRules::Caption(t), int(t)};
    };
    typeGroup = options(this, first, tr("Type"),
        {type(&buyButton, "buyButton", TradeType::Buy), type(&sellButton, "sellButton", TradeType::Sell),
            type(&coverShortButton, "coverShortButton", TradeType::CoverShort),
            type(&sellShortButton, "sellShortButton", TradeType::SellShort)});
    first->addStretch(1);
    auto* second = new QHBoxLayout;
    using OrderBook::Condition;
    conditionGroup = options(this, second, tr("Condition"),
        {{&belowButton, "belowButton", Trading::Caption(Condition::AtOrBelow), int(Condition::AtOrBelow)},
            {&aboveButton, "aboveButton", Trading::Caption(Condition::AtOrAbove), int(Condition::AtOrAbove)}});
    priceBox = titledBox(this, second, priceLabel, "priceLabel", tr("Price"), "priceBox");
    placeButton = Controls::Button(this, "placeButton", tr("Place"));
    second->addWidget(placeButton, 0, Qt::AlignBottom);
    second->addStretch(1);
    box->insertLayout(0, first);
    box->insertLayout(1, second);
    cancelOrderButton = Controls::Button(this, "cancelOrderButton", tr("Cancel order"));
    box->insertWidget(3, cancelOrderButton, 0, Qt::AlignLeft);
    Controls::SetTabOrder({stockList, currentPriceBox, unitsBox, buyButton, sellButton, coverShortButton,
        sellShortButton, belowButton, aboveButton, priceBox, placeButton, grid, cancelOrderButton});
    SetKeyButtons(placeButton, nullptr); // Return in a box places the order; Escape closes
    connect(stockList, &QComboBox::activated, this, &OrdersWindow::ShowCurrentPrice);
    connect(placeButton, &QPushButton::clicked, this, &OrdersWindow::Place);
    connect(cancelOrderButton, &QPushButton::clicked, this, &OrdersWindow::CancelChosen);
    FollowGame(this, {Change::Move, Change::Orders}, [this](const Game& game, Change why) {
        if (why == Change::Move)
            ShowCurrentPrice();
        else
            Refresh(game);
    });
}

void OrdersWindow::Load()
{
    StockList::Fill(stockList, tr("Select a stock"));
    if (const Game* game = Session::Current().CurrentGame())
        Refresh(*game);
}

TradeType OrdersWindow::ChosenType() const
{
    const int id = typeGroup->checkedId();
    return id < 0 ? TradeType::None : TradeType(id);
}

std::optional<OrderBook::Condition> OrdersWindow::ChosenCondition() const
{
    const int id = conditionGroup->checkedId();
    return id < 0 ? std::nullopt : std::optional(OrderBook::Condition(id));
}

std::optional<int> OrdersWindow::SelectedOrder() const
{
    const int r = grid->CurrentRow();
    return r >= 0 && r < int(shown.size()) ? std::optional(shown[size_t(r)]) : std::nullopt;
}

void OrdersWindow::Refresh(const Game& game)
{
    std::vector<OrderBook::Order> orders;
    if (!GameReport::Read(*this, game, tr("The orders cannot be read from the game file"),
            [&](dao::Database& file) { orders = OrderBook::Read(file); }))
        return;
    ReportGrid& g = *grid;
    g.SetRows(int(orders.size()) + 1);
    shown.clear();
    const QLocale here;
    {
        ReportGrid::Batch batch(g);
        int r = 1;
        for (auto o = orders.rbegin(); o != orders.rend(); ++o, ++r) { // newest first
            shown.push_back(o->row);
            const QString cells[] = {o->symbol, TradeRules::Caption(o->type), QString::number(o->units),
                Trading::Caption(o->condition), Numbers::PlainText(o->price),
                here.toString(o->placed, QLocale::ShortFormat), Trading::Caption(o->state),
                TradeRules::Words::Shown(o->note)};
            for (int c = 0; c < g.Cols(); ++c)
                g.SetCellText(r, c, cells[c]);
        }
    }
    FitGrid();
}

void OrdersWindow::ShowCurrentPrice()
{
    const QString symbol = stockList->currentIndex() >= 0 ? stockList->itemText(stockList->currentIndex()) : QString();
    std::optional<dao::Currency> price;
    try {
        if (!symbol.isEmpty())
            price = Holdings::ListedPrice(Holdings::CurrentPrices({{symbol, {}}}), symbol);
    } catch (const std::exception&) {
        // The market that cannot be read is said where the move or the order fails.
    }
    Controls::SetText(currentPriceBox, price ? Numbers::PlainText(*price) : QString());
}

std::optional<OrderBook::Order> OrdersWindow::asked(const QDateTime& now)
{
    // Read whole, in the player's format: a text cut short at a comma is a wrong order.
    const double units = Numbers::ReadWhole(unitsBox->text()).value_or(0);
    // Only an entry chosen from the list counts, not a text typed over it.
    const QString chosen = stockList->itemText(stockList->currentIndex());
    const QString symbol = stockList->currentIndex() >= 0 && stockList->currentText() == chosen ? chosen : QString();
    if (const auto refused = TradeRules::RefusedAsAsked(units, ChosenType(), !symbol.isEmpty())) {
        const TradeRules::Said said = TradeRules::SaidOf(*refused);
        Ui::MsgBox(said.text, Ui::Buttons::OK, said.warns ? Ui::Icon::Exclamation : Ui::Icon::None, said.caption);
        return std::nullopt;
    }
    const std::optional<OrderBook::Condition> condition = ChosenCondition();
    if (!condition) {
        Ui::MsgBox(tr("Choose a condition: at or below, or at or above."));
        return std::nullopt;
    }
    const double price = Numbers::ReadWhole(priceBox->text()).value_or(0);
    if (!(price > 0 && price < 1e12)) {
        Ui::MsgBox(tr("Type the price the order waits for: a number above 0."));
        return std::nullopt;
    }
    OrderBook::Order o;
    o.symbol = symbol;
    o.type = ChosenType();
    o.condition = *condition;
    o.price = dao::Currency::fromDouble(price);
    o.units = int64_t(units);
    o.placed = now;
    return o;
}

void OrdersWindow::Place()
{
    const Game* game = Session::Current().CurrentGame();
    if (!game)
        return;
    const std::optional<OrderBook::Order> order = asked(game->Clock().Now());
    if (!order)
        return;
    const Trading::OrderResult done = Trading::PlaceOrder(*game, *order);
    using Kind = Trading::OrderResult::Kind;
    if (done.kind == Kind::Failed)
        return void(Ui::MsgBox(done.failure, Ui::Buttons::OK, Ui::Icon::Exclamation));
    if (done.kind == Kind::Full)
        return void(Ui::MsgBox(tr("You have %1 open orders, as many as the market keeps: cancel one before you "
                                  "place another.")
                                   .arg(OrderBook::kMostOpen)));
    Refresh(*game);
    Accessibility::Announce(grid, tr("Order placed: ") + Trading::Described(done.order));
    emit Trading::Events::Get().ordersChanged();
}

void OrdersWindow::CancelChosen()
{
    const Game* game = Session::Current().CurrentGame();
    if (!game)
        return;
    const Trading::OrderResult done = Trading::CancelOrder(*game, SelectedOrder());
    using Kind = Trading::OrderResult::Kind;
    if (done.kind == Kind::Failed)
        return void(Ui::MsgBox(done.failure, Ui::Buttons::OK, Ui::Icon::Exclamation));
    if (done.kind == Kind::NotOpen)
        return void(Ui::MsgBox(tr("Choose an open order in the list first.")));
    Refresh(*game);
    Accessibility::Announce(grid, tr("Order cancelled: ") + Trading::Described(done.order));
    emit Trading::Events::Get().ordersChanged();
}
