#include "Form1.h"
#include "data/Holdings.h"
#include "data/dao/Dao.h"
#include "data/kit/App.h"
#include "data/kit/Exchange.h"
#include "data/kit/Module1.h"
#include "data/kit/MsgBox.h"
#include "data/kit/Numbers.h"
#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

namespace Module1 {

namespace {

void say(const QString& text) { Ui::MsgBox(text); }

void reportFailure(const std::exception& e)
{
    Ui::MsgBox(Ui::Failure(QStringLiteral("The trade could not be recorded in the game file"), e), Ui::Buttons::OK,
        Ui::Icon::Critical);
}

void appendTrade(dao::Database& game, double units, double result)
{
    dao::Recordset rs = game.openTable(QStringLiteral("Traderesult"));
    rs.addNew();
    rs.setField(QStringLiteral("Symbol"), TradeSymbol);
    rs.setField(QStringLiteral("Price"), TradePrice);
    rs.setField(QStringLiteral("Units"), units);
    rs.setField(QStringLiteral("Result"), result);
    rs.update();
}

QString confirmation(const char* verb)
{
    const double overall = TradeSum.asDouble();
    return QStringLiteral("You %1 %2 of %3 at a price %4 for the overall sum %5")
        .arg(QString::fromLatin1(verb), Numbers::PlainText(TradeUnits.asDouble()), TradeSymbol.asText(),
            TradePrice.asText(), Numbers::PlainText(overall));
}

/// A trade just recorded shows at once in a Transactions window that is open;
/// a closed one is not created for it.
void showInTransactions()
{
    if (QWidget* t = Forms::Find(QStringLiteral("Form11")); t && t->isVisible())
        RefreshTransactions();
}

/// A sale: refused unless the holding, found by exact symbol in the query's
/// order, covers the units.
void sell(dao::Database& game, double units, double sum)
{
    dao::Recordset pos = game.openSnapshot(QStringLiteral("Position"));
    if (pos.recordCount() == 0 || pos.field(QStringLiteral("Symbol")) == dao::Value(QString())) {
        say(QStringLiteral("You don't have any stock to sell"));
        return;
    }
    const int n = pos.recordCount();
    int i = 0;
    while (i < n && !(pos.field(QStringLiteral("Symbol")) == TradeSymbol)) {
        pos.moveNext();
        ++i;
    }
    if (i == n) {
        say(QStringLiteral("You don't have this kind of stock!"));
        return;
    }
    LastValue = pos.field(QStringLiteral("Sum Of units"));
    const double held = LastValue.isNull() ? 0 : LastValue.toDouble();
    if (units > held) {
        say(QStringLiteral("You don't have this number of stock"));
        return;
    }
    pos.close();
    appendTrade(game, -units, sum);
    say(confirmation("sold"));
    showInTransactions();
}

/// A purchase: refused when it costs more than the cash, compared as the log
/// will hold it, to the ten-thousandth. False when refused.
bool buy(dao::Database& game, double units, double sum)
{
    if (dao::Currency::fromDouble(sum) > CashAvailable.asCurrency()) {
        say(QStringLiteral("Sum of this thansaction %1 and is more than your cash %2")
                .arg(Numbers::PlainText(sum), Numbers::PlainText(CashAvailable)));
        return false;
    }
    appendTrade(game, units, -sum);
    say(confirmation("bought"));
    showInTransactions();
    return true;
}

/// Reads the trade as the desk shows it into the trade's values; the price, as
/// a number, where it is one.
std::optional<double> readTrade(Form1& f)
{
    TradeSymbol = f.Text1->text();
    const std::optional<double> price = dao::parseNumber(f.ListCurprice->text());
    TradePrice = price ? Numbers::FormatFourDecimals(*price) : f.ListCurprice->text();
    TradeUnits = Numbers::ReadTyped(f.quantity->text());
    return price;
}

/// Positive and whole: the log stores whole units, and the cash must agree with them.
bool validUnits(double units) { return units > 0 && units == std::floor(units) && units <= 2147483647.0; }

/// The cash from the log, then the trade of the chosen type, in the order of
/// the buttons; false for a purchase refused for want of cash.
bool carryOut(Form1& f, QAbstractButton* type, double units, double sum)
{
    dao::Database game = dao::Database::open(App::GameFile());
    CashAvailable = Holdings::Cash(game, &LastValue);
    if (type == f.optBuybutton)
        return buy(game, units, sum);
    if (type == f.optSellButton)
        sell(game, units, sum);
    else if (type == f.Covshort)
        say(QStringLiteral("Otkupili short"));
    else if (type == f.Selshort)
        say(QStringLiteral("prodali short"));
    return true;
}

} // namespace

void ExecuteTrade()
{
    Form1& f = Forms::Get<Form1>();
    // A clock that shows no time lets the trade through.
    if (const auto t = Exchange::ShownTimeOfDay(); t && !Exchange::IsOpen(*t)) {
        say(QStringLiteral("Varnel Stock Exchange is closed at the moment."));
        return;
    }
    const std::optional<double> price = readTrade(f);
    const double units = TradeUnits.asDouble();
    if (!validUnits(units)) {
        Ui::MsgBox(QStringLiteral("You must enter a valid units amount."), Ui::Buttons::OK, Ui::Icon::Exclamation,
            QStringLiteral("UnitsSheet Error"));
        return;
    }
    QAbstractButton* type = f.types->checkedButton();
    if (!type) {
        say(QStringLiteral("Choose transaction type"));
        return;
    }
    if (TradeSymbol.asText().isEmpty() || !price) { // no stock chosen: nothing to price the trade with
        say(QStringLiteral("Choose a stock from the list first."));
        return;
    }
    // At the four-decimal price that is stored and confirmed, so that the box,
    // the log and the message agree.
    TradeSum = *dao::parseNumber(TradePrice.asText()) * units;
    const double sum = TradeSum.asDouble();
    f.Result->setText(Numbers::PlainText(sum));
    try {
        if (!carryOut(f, type, units, sum))
            return;
    } catch (const std::exception& e) {
        reportFailure(e);
        return;
    }
    RefreshPortfolio(); // the game file is closed by now
}

} // namespace Module1
