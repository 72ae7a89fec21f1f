#include "Form1.h"
#include "app/GameShell.h"
#include "app/Module1.h"
#include "app/Numbers.h"
#include "data/dao/Dao.h"
#include "data/MarketSchema.h"
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace Module1 {

void FillTradingStockList()
{
    GameShell::ListStockSymbols(Forms::Get<Form1>().Combo1, QStringLiteral("Select a stock"));
}

void ShowTradingStock()
{
    Form1& f = Forms::Get<Form1>();
    dao::Database db = dao::Database::open(GameShell::MarketDatabasePath());
    dao::Transaction view = db.beginRead();
    dao::Recordset rs = db.openTable(MarketSchema::kStocksTable);
    const QString chosen = f.Combo1->currentText();
    const int n = rs.recordCount();
    for (int i = 0; i < n; ++i) {
        if (rs.field(QStringLiteral("stocksymbol")) == dao::Value(chosen)) {
            auto text = [&](const char* field) { return Numbers::PlainText(rs.field(QString::fromLatin1(field))); };
            f.Text1->setText(text("stocksymbol"));
            f.Text2->setText(text("Stockcurrent Price"));
            f.Text3->setText(text("Min"));
            f.ListCurprice->setText(text("Stockcurrent Price"));
            f.Text4->setText(text("Max"));
            f.stockname->setText(text("stockname"));
        }
        rs.moveNext();
    }
}

void SendKeyN()
{
    // Only to a widget of this program: the one with the focus once the desk is
    // gone, or else the one that last had it in the window used before the desk.
    QWidget* target = QApplication::focusWidget();
    if (!target || !target->isVisible()) {
        target = nullptr;
        for (QWidget* w : Forms::RecentlyFocusedWindows())
            if (w->isVisible()) {
                w->activateWindow();
                target = w->focusWidget() ? w->focusWidget() : w;
                break;
            }
    }
    if (!target)
        return;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_N, Qt::ShiftModifier, QStringLiteral("N"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_N, Qt::ShiftModifier, QStringLiteral("N"));
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

} // namespace Module1
