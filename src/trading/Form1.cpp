#include "Form1.h"
#include "TradeRules.h"
#include "game/FollowGame.h"
#include "game/Module1.h"
#include "game/Session.h"
#include "ui/App.h"
#include "ui/Controls.h"
#include "ui/MsgBox.h"
#include "ui/Numbers.h"
#include "ui/Twips.h"
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {

QLineEdit* textBox(QWidget* parent, const char* name, int l, int t, int w, int h, const QString& accessible = {})
{
    auto* e = Twips::Create<QLineEdit>(parent, name, l, t, w, h);
    if (!accessible.isEmpty()) {
        e->setAccessibleName(accessible);
        e->setToolTip(accessible);
    }
    return e;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h, QWidget* buddy)
{
    auto* lb = Twips::Create<QLabel>(parent, name, l, t, w, h, caption);
    lb->setBuddy(buddy);
    return lb;
}

QRadioButton* option(QWidget* parent, const char* name, Module1::Trade::Type type, int l, int t)
{
    return Twips::Create<QRadioButton>(parent, name, l, t, 1215, 375, TradeRules::Caption(type));
}

} // namespace

Form1::Form1()
{
    setWindowTitle(tr("Trading desk"));
    Twips::SetSilverClientArea(this, 5235, 4500);

    Combo1 = Twips::Create<QComboBox>(this, "Combo1", 120, 600, 1815, 315);
    // Titled like the chart's list: on this desktop a list is named by its title, not its name.
    lblStock = label(this, "lblStock", tr("Stock"), 120, 360, 1815, 255, Combo1);
    Combo1->setAccessibleName(tr("Stock"));
    Combo1->setToolTip(tr("Choose a stock"));
    Controls::MakeSymbolList(Combo1, Combo1->accessibleName());
    Combo1->setEditText(tr("Select a stock"));
    stockname = textBox(this, "stockname", 120, 1200, 1815, 375, tr("Company name"));
    lblName = label(this, "lblName", tr("Company name"), 120, 960, 1815, 240, stockname);
    Text1 = textBox(this, "Text1", 2160, 960, 735, 375);
    Text2 = textBox(this, "Text2", 2880, 960, 735, 375);
    Text3 = textBox(this, "Text3", 3600, 960, 735, 375);
    Text4 = textBox(this, "Text4", 4320, 960, 735, 375);
    for (QLineEdit* e : {Text1, Text2, Text3, Text4})
        Twips::FitTextToWidth(e);
    Label1 = label(this, "Label1", tr("Symbol"), 2160, 720, 615, 255, Text1);
    Label3 = label(this, "Label3", tr("Price"), 2880, 720, 495, 255, Text2);
    Label5 = label(this, "Label5", tr("Min"), 3600, 720, 495, 255, Text3);
    Label4 = label(this, "Label4", tr("Max"), 4320, 720, 495, 255, Text4);
    quantity = textBox(this, "quantity", 3000, 1800, 2055, 375);
    Label2 = label(this, "Label2", tr("Units"), 3000, 1560, 2295, 255, quantity);
    createTypes();
    ListCurprice = textBox(this, "ListCurprice", 3000, 2460, 2055, 375, tr("Trade price"));
    lblPrice = label(this, "lblPrice", tr("Trade price"), 3000, 2220, 2055, 240, ListCurprice);
    Result = textBox(this, "Result", 3000, 3120, 2055, 375, tr("Sum of the trade"));
    lblSum = label(this, "lblSum", tr("Sum of the trade"), 3000, 2880, 2055, 240, Result);
    // What the player has to trade with: a short counts as negative units.
    txtCash = textBox(this, "txtCash", 120, 3120, 1215, 375, tr("Cash available"));
    lblCash = label(this, "lblCash", tr("Cash available"), 120, 2880, 1215, 240, txtCash);
    txtHeld = textBox(this, "txtHeld", 1440, 3120, 1215, 375, tr("Units held"));
    lblHeld = label(this, "lblHeld", tr("Units held"), 1440, 2880, 1215, 240, txtHeld);
    Command1 = Controls::Button(this, "Command1", tr("Help"), 240, 3840, 1215, 495);
    Command2 = Controls::Button(this, "Command2", tr("Enter"), 2880, 3840, 1215, 495);
    Comman1 = Controls::Button(this, "Comman1", tr("Cancel"), 4200, 3840, 855, 495);
    // The stock's figures come only from choosing it: a typed price or symbol
    // would trade at a price the market never had.
    for (QLineEdit* e : {stockname, Text1, Text2, Text3, Text4, ListCurprice, Result, txtCash, txtHeld})
        Controls::MakeDisplayBox(e);
    SetKeyButtons(Command2, Comman1);

    // Cancel first, so that it has the focus when the desk opens.
    Controls::SetTabOrder({Comman1, Command2, quantity, optBuybutton, optSellButton, Covshort, Selshort, Result,
        txtCash, txtHeld, stockname, Text1, Text2, Text3, Text4, ListCurprice, Combo1, Command1});
    Comman1->setFocus();

    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Comman1, &QPushButton::clicked, this, &Form1::Comman1_Click);
    setProperty("helpContextID", 0);
    FollowGame(this, [](const Game& game) { Module1::ShowDeskHoldings(&game); });
}

void Form1::createTypes()
{
    using Type = Module1::Trade::Type;
    optBuybutton = option(this, "optBuybutton", Type::Buy, 120, 1920);
    optSellButton = option(this, "optSellButton", Type::Sell, 1440, 1920);
    Covshort = option(this, "Covshort", Type::CoverShort, 120, 2400);
    Selshort = option(this, "Selshort", Type::SellShort, 1440, 2400);
    types = new QButtonGroup(this);
    types->setExclusive(true);
    // Each button is known by the type it stands for, never by its caption.
    const std::pair<QRadioButton*, Type> buttons[] = {{optBuybutton, Type::Buy}, {optSellButton, Type::Sell},
        {Covshort, Type::CoverShort}, {Selshort, Type::SellShort}};
    for (const auto& [r, type] : buttons)
        types->addButton(r, int(type));
}

void Form1::formLoad()
{
    Module1::FillTradingStockList();
    Module1::ShowDeskHoldings(Session::Current().CurrentGame());
}

void Form1::Combo1_Click()
{
    Result->clear(); // the sum was the last stock's
    Ui::Attempt(tr("The stock cannot be shown"), Module1::ShowTradingStock);
    Module1::ShowDeskHoldings(Session::Current().CurrentGame());
}

void Form1::Command1_Click()
{
    App::SetHelpFile(App::HelpFileInLanguage());
    setProperty("helpContextID", 7);
    // F1, as a player would press it: the help opens at this window's topic.
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(Command1, &f1);
}

Module1::Trade Form1::AskedTrade() const
{
    const int id = types->checkedId();
    return {
        Text1->text(), chosenPrice, quantity->text(), id < 0 ? Module1::Trade::Type::None : Module1::Trade::Type(id)};
}

void Form1::Command2_Click()
{
    const Game* game = Session::Current().CurrentGame();
    if (!game) // the desk closes with the game
        return;
    // At the market's price of this moment, which the desk then shows.
    Ui::Attempt(tr("The stock cannot be shown"), Module1::RefreshTradingStock);
    const Module1::TradeOutcome done = Module1::ExecuteTrade(*game, AskedTrade());
    if (done.sum)
        Result->setText(Numbers::PlainText(*done.sum));
    Module1::ShowDeskHoldings(game);
}

void Form1::Comman1_Click()
{
    Forms::Unload(this);
    Module1::SendKeyN();
}

void Form1::paintEvent(QPaintEvent*)
{
    // Line1 to Line4: a sunken frame around the stock's figures.
    QPainter p(this);
    const QRect r(Twips::ToPixels(2100), Twips::ToPixels(660), Twips::ToPixels(3015), Twips::ToPixels(750));
    p.setPen(Twips::Colour(0x00808080));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(Twips::Colour(0x00E0E0E0));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}
