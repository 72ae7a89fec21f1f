#include "Form1.h"
#include "dao/Dao.h"
#include "data/Holdings.h"
#include "data/MarketSchema.h"
#include "data/StockList.h"
#include "game/Module1.h"
#include "ui/App.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace Module1 {

void FillTradingStockList()
{
    StockList::Fill(Forms::Get<Form1>().Combo1, QCoreApplication::translate("Trading", "Select a stock"));
}

namespace {
/// The stock's figures as the market has them now; silently, where only the
/// market moved them: the typed units and the focus left alone.
void showStock(Form1& f, const QString& symbol, bool silently)
{
    dao::Database db = dao::Database::open(App::MarketFile());
    dao::Transaction view = db.beginRead();
    dao::Recordset rs = db.openTable(MarketSchema::kStocksTable);
    // Every row is walked: a later twin shows over an earlier one.
    const bool listed = StockList::Walk(rs, symbol, [&] {
        using namespace MarketSchema;
        auto show = [&](QLineEdit* box, const QString& field) {
            const QString text = Numbers::PlainText(rs.field(field));
            silently ? Controls::SetText(box, text) : box->setText(text);
        };
        show(f.Text1, kSymbolField);
        show(f.Text2, kPriceField);
        show(f.Text3, kMinField);
        show(f.ListCurprice, kPriceField);
        const dao::Value price = rs.field(kPriceField);
        f.chosenPrice = price.isNull() ? std::nullopt : std::optional(price.toCurrency());
        show(f.Text4, kMaxField);
        show(f.stockname, kNameField);
        return true;
    });
    if (!listed && !f.Text1->text().isEmpty())
        f.chosenPrice.reset(); // no longer listed: no price to trade at
}
} // namespace

void ShowTradingStock()
{
    Form1& f = Forms::Get<Form1>();
    showStock(f, f.Combo1->currentText(), false);
}

void RefreshTradingStock()
{
    Form1* f = Forms::IfLoaded<Form1>();
    if (f && !f->Text1->text().isEmpty())
        showStock(*f, f->Text1->text(), true);
}

void ShowDeskHoldings(const Game* game)
{
    Form1* f = Forms::IfLoaded<Form1>();
    if (!f || !game)
        return;
    try {
        dao::Database file = game->Open();
        Controls::SetText(f->txtCash, Numbers::PlainText(Holdings::Cash(file, game->StartingBalance)));
        const QString symbol = f->Text1->text();
        if (symbol.isEmpty()) { // no stock chosen yet
            Controls::SetText(f->txtHeld, QString());
            return;
        }
        const std::vector<Holdings::Holding> held = Holdings::Read(file);
        const Holdings::Holding* h = Holdings::Find(held, symbol);
        Controls::SetText(f->txtHeld, QString::number(h ? Holdings::Units(*h) : 0));
    } catch (const std::exception&) {
        // A file that cannot be read is said where a trade is made.
    }
}

void SendKeyN()
{
    // The keystroke goes to the main window itself, where nothing handles it:
    // sent to the control with the focus, it typed an N into the player's text.
    QWidget* main = Forms::Owner();
    if (!main)
        return;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_N, Qt::ShiftModifier, QStringLiteral("N"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_N, Qt::ShiftModifier, QStringLiteral("N"));
    QApplication::sendEvent(main, &press);
    QApplication::sendEvent(main, &release);
}

} // namespace Module1
