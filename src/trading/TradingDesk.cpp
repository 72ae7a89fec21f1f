#include "TradingDesk.h"
#include "TradingEvents.h"
#include "data/Holdings.h"
#include "data/MarketSchema.h"
#include "data/StockList.h"
#include "game/FollowGame.h"
#include "game/Session.h"
#include "ui/App.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/MsgBox.h"
#include "ui/Numbers.h"
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QLineEdit* box(QWidget* parent, const char* name, const QString& accessible = {})
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    if (!accessible.isEmpty()) {
        e->setAccessibleName(accessible);
        e->setToolTip(accessible);
    }
    return e;
}

QRadioButton* option(QWidget* parent, const char* name, TradeType type)
{
    auto* r = new QRadioButton(TradeRules::Caption(type), parent);
    r->setObjectName(QString::fromLatin1(name));
    return r;
}

/// Room for a price or a sum of money as the desk shows them.
int numberWidth(const QWidget* w) { return w->fontMetrics().horizontalAdvance(QStringLiteral("-00000000.0000")) + 12; }

} // namespace

TradingDesk::TradingDesk()
{
    setWindowTitle(tr("Trading desk"));
    Look::Silver(this);
    makeControls();
    layOut();
    SetKeyButtons(enterButton, cancelButton);
    // Cancel first, so that it has the focus when the desk opens.
    Controls::SetTabOrder({cancelButton, enterButton, unitsBox, buyButton, sellButton, coverShortButton,
        sellShortButton, sumBox, cashBox, heldBox, companyBox, symbolBox, priceBox, lowBox, highBox, tradePriceBox,
        stockList, helpButton});
    cancelButton->setFocus();
    connect(stockList, &QComboBox::activated, this, &TradingDesk::ChooseStock);
    connect(helpButton, &QPushButton::clicked, this, &TradingDesk::ShowHelp);
    connect(enterButton, &QPushButton::clicked, this, &TradingDesk::Enter);
    connect(cancelButton, &QPushButton::clicked, this, &TradingDesk::Cancel);
    setProperty("helpContextID", 0);
    FollowGame(this, {Change::Move, Change::Trade}, [this](const Game& game, Change why) {
        if (why == Change::Move) {
            try {
                FollowStock();
            } catch (const std::exception&) {
                // A market that cannot be read is said by the move, and at the trade.
            }
        }
        ShowHoldings(game);
    });
}

void TradingDesk::makeControls()
{
    stockList = new QComboBox(this);
    stockList->setObjectName(QStringLiteral("stockList"));
    // Titled like the chart's list: on this desktop a list is named by its title, not its name.
    stockLabel = Controls::Title(this, "stockLabel", tr("Stock"), stockList);
    stockList->setAccessibleName(tr("Stock"));
    stockList->setToolTip(tr("Choose a stock"));
    Controls::MakeSymbolList(stockList, stockList->accessibleName());
    stockList->setEditText(tr("Select a stock"));
    companyBox = box(this, "companyBox", tr("Company name"));
    companyLabel = Controls::Title(this, "companyLabel", tr("Company name"), companyBox);

    // The stock's figures in a sunken panel, each under its title.
    figuresPanel = new QFrame(this);
    figuresPanel->setObjectName(QStringLiteral("figuresPanel"));
    figuresPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* figureGrid = new QGridLayout(figuresPanel);
    symbolBox = Controls::TitledBox(figureGrid, 0, 0, symbolLabel, "symbolLabel", tr("Symbol"), "symbolBox");
    priceBox = Controls::TitledBox(figureGrid, 0, 1, priceLabel, "priceLabel", tr("Price"), "priceBox");
    lowBox = Controls::TitledBox(figureGrid, 0, 2, lowLabel, "lowLabel", tr("Min"), "lowBox");
    highBox = Controls::TitledBox(figureGrid, 0, 3, highLabel, "highLabel", tr("Max"), "highBox");
    for (QLineEdit* e : {priceBox, lowBox, highBox})
        e->setMinimumWidth(numberWidth(this));
    symbolBox->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW")) + 12);

    unitsBox = box(this, "unitsBox");
    unitsLabel = Controls::Title(this, "unitsLabel", tr("Units"), unitsBox);
    buyButton = option(this, "buyButton", TradeType::Buy);
    sellButton = option(this, "sellButton", TradeType::Sell);
    coverShortButton = option(this, "coverShortButton", TradeType::CoverShort);
    sellShortButton = option(this, "sellShortButton", TradeType::SellShort);
    typeGroup = new QButtonGroup(this);
    typeGroup->setExclusive(true);
    // Each button is known by the type it stands for, never by its caption.
    const std::pair<QRadioButton*, TradeType> types[] = {{buyButton, TradeType::Buy}, {sellButton, TradeType::Sell},
        {coverShortButton, TradeType::CoverShort}, {sellShortButton, TradeType::SellShort}};
    for (const auto& [button, type] : types)
        typeGroup->addButton(button, int(type));
    tradePriceBox = box(this, "tradePriceBox", tr("Trade price"));
    tradePriceLabel = Controls::Title(this, "tradePriceLabel", tr("Trade price"), tradePriceBox);
    sumBox = box(this, "sumBox", tr("Sum of the trade"));
    sumLabel = Controls::Title(this, "sumLabel", tr("Sum of the trade"), sumBox);
    // What the player has to trade with: a short counts as negative units.
    cashBox = box(this, "cashBox", tr("Cash available"));
    cashLabel = Controls::Title(this, "cashLabel", tr("Cash available"), cashBox);
    heldBox = box(this, "heldBox", tr("Units held"));
    heldLabel = Controls::Title(this, "heldLabel", tr("Units held"), heldBox);
    helpButton = Controls::Button(this, "helpButton", tr("Help"));
    enterButton = Controls::Button(this, "enterButton", tr("Enter"));
    cancelButton = Controls::Button(this, "cancelButton", tr("Cancel"));
    // The stock's figures come only from choosing it: a typed price or symbol
    // would trade at a price the market never had.
    for (QLineEdit* e : {companyBox, symbolBox, priceBox, lowBox, highBox, tradePriceBox, sumBox, cashBox, heldBox})
        Controls::MakeDisplayBox(e);
    for (QLineEdit* e : {tradePriceBox, sumBox, cashBox, heldBox, unitsBox})
        e->setMinimumWidth(numberWidth(this));
}

void TradingDesk::layOut()
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(stockLabel, 0, 0, 1, 2);
    grid->addWidget(stockList, 1, 0, 1, 2);
    grid->addWidget(companyLabel, 2, 0, 1, 2);
    grid->addWidget(companyBox, 3, 0, 1, 2);
    grid->addWidget(figuresPanel, 1, 2, 3, 1);
    grid->addWidget(unitsLabel, 4, 2);
    grid->addWidget(buyButton, 5, 0);
    grid->addWidget(sellButton, 5, 1);
    grid->addWidget(unitsBox, 5, 2);
    grid->addWidget(tradePriceLabel, 6, 2);
    grid->addWidget(coverShortButton, 7, 0);
    grid->addWidget(sellShortButton, 7, 1);
    grid->addWidget(tradePriceBox, 7, 2);
    grid->addWidget(cashLabel, 8, 0);
    grid->addWidget(heldLabel, 8, 1);
    grid->addWidget(sumLabel, 8, 2);
    grid->addWidget(cashBox, 9, 0);
    grid->addWidget(heldBox, 9, 1);
    grid->addWidget(sumBox, 9, 2);
    grid->setRowMinimumHeight(10, fontMetrics().height());
    grid->addWidget(helpButton, 11, 0);
    grid->addLayout(Controls::ButtonRow({enterButton, cancelButton}), 11, 2);
}

void TradingDesk::Load()
{
    StockList::Fill(stockList, tr("Select a stock"));
    if (const Game* game = Session::Current().CurrentGame())
        ShowHoldings(*game);
}

void TradingDesk::showStock(const QString& symbol, bool silently)
{
    dao::Database db = dao::Database::open(App::MarketFile());
    dao::Transaction view = db.beginRead();
    dao::Recordset rs = db.openTable(MarketSchema::kStocksTable);
    // Every row is walked: a later twin shows over an earlier one.
    const bool listed = StockList::Walk(rs, symbol, [&] {
        using namespace MarketSchema;
        auto show = [&](QLineEdit* e, const QString& field) {
            const QString text = Numbers::PlainText(rs.field(field));
            silently ? Controls::SetText(e, text) : e->setText(text);
        };
        show(symbolBox, kSymbolField);
        show(priceBox, kPriceField);
        show(lowBox, kMinField);
        show(tradePriceBox, kPriceField);
        const dao::Value price = rs.field(kPriceField);
        chosenPrice = price.isNull() ? std::nullopt : std::optional(price.toCurrency());
        show(highBox, kMaxField);
        show(companyBox, kNameField);
        return true;
    });
    if (!listed && !symbolBox->text().isEmpty())
        chosenPrice.reset(); // no longer listed: no price to trade at
}

void TradingDesk::ChooseStock()
{
    sumBox->clear(); // the sum was the last stock's
    Ui::Attempt(tr("The stock cannot be shown"), [this] { showStock(stockList->currentText(), false); });
    if (const Game* game = Session::Current().CurrentGame())
        ShowHoldings(*game);
}

void TradingDesk::FollowStock()
{
    if (!symbolBox->text().isEmpty())
        showStock(symbolBox->text(), true);
}

void TradingDesk::ShowHoldings(const Game& game)
{
    try {
        dao::Database file = game.Open();
        Controls::SetText(cashBox, Numbers::PlainText(Holdings::Cash(file, game.StartingBalance)));
        const QString symbol = symbolBox->text();
        if (symbol.isEmpty()) { // no stock chosen yet
            Controls::SetText(heldBox, QString());
            return;
        }
        const std::vector<Holdings::Holding> held = Holdings::Read(file);
        const Holdings::Holding* h = Holdings::Find(held, symbol);
        Controls::SetText(heldBox, QString::number(h ? Holdings::Units(*h) : 0));
    } catch (const std::exception&) {
        // A file that cannot be read is said where a trade is made.
    }
}

Trading::Trade TradingDesk::AskedTrade() const
{
    const int id = typeGroup->checkedId();
    return {symbolBox->text(), chosenPrice, unitsBox->text(), id < 0 ? TradeType::None : TradeType(id)};
}

void TradingDesk::Enter()
{
    const Game* game = Session::Current().CurrentGame();
    if (!game) // the desk closes with the game
        return;
    // At the market's price of this moment, which the desk then shows.
    Ui::Attempt(tr("The stock cannot be shown"), [this] { FollowStock(); });
    const Trading::TradeResult done = Trading::ExecuteTrade(*game, AskedTrade());
    const TradeRules::Said& said = done.said;
    Ui::MsgBox(said.text, Ui::Buttons::OK,
        done.failed     ? Ui::Icon::Critical
            : said.warns ? Ui::Icon::Exclamation
                         : Ui::Icon::None,
        said.caption);
    if (done.sum)
        sumBox->setText(Numbers::PlainText(*done.sum));
    ShowHoldings(*game);
    if (done.ranToEnd)
        emit Trading::Events::Get().traded(done.recorded); // the game file is closed by now
}

void TradingDesk::ShowHelp()
{
    App::SetHelpFile(App::HelpFileInLanguage());
    setProperty("helpContextID", 7);
    // F1, as a player would press it: the help opens at this window's topic.
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(helpButton, &f1);
}

void TradingDesk::Cancel()
{
    Forms::Unload(this);
    // The keystroke N goes to the main window itself, where nothing handles it:
    // sent to the control with the focus, it typed an N into the player's text.
    QWidget* main = Forms::Owner();
    if (!main)
        return;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_N, Qt::ShiftModifier, QStringLiteral("N"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_N, Qt::ShiftModifier, QStringLiteral("N"));
    QApplication::sendEvent(main, &press);
    QApplication::sendEvent(main, &release);
}
