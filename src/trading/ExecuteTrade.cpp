#include "Form1.h"
#include "data/kit/App.h"
#include "data/kit/Exchange.h"
#include "data/kit/Module1.h"
#include "data/kit/MsgBox.h"
#include "data/kit/Numbers.h"
#include "data/dao/Dao.h"
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

} // namespace

void ExecuteTrade()
{
    Form1& f = Forms::Get<Form1>();

    // 1. Exchange hours; a clock that shows no time lets the trade through.
    if (const auto t = Exchange::ShownTimeOfDay(); t && !Exchange::IsOpen(*t)) {
        say(QStringLiteral("Varnel Stock Exchange is closed at the moment."));
        return;
    }

    // 2. The trade as the desk shows it.
    TradeSymbol = f.Text1->text();
    const std::optional<double> price = dao::parseNumber(f.ListCurprice->text());
    TradePrice = price ? Numbers::FormatFourDecimals(*price) : f.ListCurprice->text();
    TradeUnits = Numbers::ReadTyped(f.quantity->text());

    // 3. Units: positive, and whole, since the log stores whole units and the
    // cash must agree with them.
    const double units = TradeUnits.asDouble();
    if (!(units > 0) || units != std::floor(units) || units > 2147483647.0) {
        Ui::MsgBox(QStringLiteral("You must enter a valid units amount."), Ui::Buttons::OK, Ui::Icon::Exclamation,
            QStringLiteral("UnitsSheet Error"));
        return;
    }

    // 4. Transaction type.
    QRadioButton* type = qobject_cast<QRadioButton*>(f.types->checkedButton());
    if (!type) {
        say(QStringLiteral("Choose transaction type"));
        return;
    }

    // No stock chosen: nothing to price the trade with.
    if (TradeSymbol.asText().isEmpty() || !price) {
        say(QStringLiteral("Choose a stock from the list first."));
        return;
    }

    // 5. Sum, at the four-decimal price that is stored and confirmed, so that
    // the box, the log and the message agree.
    TradeSum = *dao::parseNumber(TradePrice.asText()) * units;
    const double sum = TradeSum.asDouble();
    f.Result->setText(Numbers::PlainText(sum));

    try {
        // 6. Cash, from the log.
        dao::Database game = dao::Database::open(App::GameFile());
        {
            dao::Recordset r = game.openSnapshot(QStringLiteral("result"));
            LastValue = r.field(QStringLiteral("Sum Of Result"));
        }
        const dao::Currency starting = StartingBalance.toCurrency();
        CashAvailable = LastValue.isNull() ? dao::Value(starting) : dao::Value(LastValue.toCurrency() + starting);

        // 7. Dispatch, in the order of the buttons.
        if (type == f.optBuybutton) {
            // Compared as the log will hold it, to the ten-thousandth.
            if (dao::Currency::fromDouble(sum) > CashAvailable.asCurrency()) {
                say(QStringLiteral("Sum of this thansaction %1 and is more than your cash %2")
                        .arg(Numbers::PlainText(sum), Numbers::PlainText(CashAvailable)));
                return;
            }
            appendTrade(game, units, -sum);
            say(confirmation("bought"));
            showInTransactions();
        } else if (type == f.optSellButton) {
            sell(game, units, sum);
        } else if (type == f.Covshort) {
            say(QStringLiteral("Otkupili short"));
        } else if (type == f.Selshort) {
            say(QStringLiteral("prodali short"));
        }
    } catch (const std::exception& e) {
        reportFailure(e);
        return;
    }
    // The game file is closed by now.
    RefreshPortfolio();
}

} // namespace Module1
