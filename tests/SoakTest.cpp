// Many simulated days of play, driven through the clock, the market and the
// windows, with the files and windows checked against each other throughout.
#include "app/kit/Exchange.h"
#include "app/kit/Module1.h"
#include "app/kit/Numbers.h"
#include "app/kit/VbTimer.h"
#include "assets/Form6.h"
#include "assets/Form7.h"
#include "assets/Symbols.h"
#include "market/Clock.h"
#include "market/PriceFactor.h"
#include "reports/Form11.h"
#include "reports/Form13.h"
#include "reports/Form5.h"
#include "support/GameFixture.h"
#include "trading/Form1.h"
#include "trading/Form3.h"
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <map>
#include <random>

using namespace dao;

namespace {

class SoakTest : public GameTest {
protected:
    std::mt19937 gen{20261207};
    int checks = 0;
    int trades = 0;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen); }
    template <class T> const T& any(const std::vector<T>& v) { return v[size_t(pick(int(v.size())))]; }

    void randomAction()
    {
        msgs.messages.clear();
        const int what = pick(12);
        if (what < 6)
            trade();
        else if (what == 6)
            addStock();
        else if (what == 7)
            editStock();
        else if (what < 11)
            openOrCloseAWindow();
        for (const QString& t : msgs.texts())
            ASSERT_FALSE(t.contains("could not") || t.contains("cannot be opened") || t.contains("went wrong"))
                << t.toStdString();
    }
    void trade()
    {
        ed->mnuAssetitem(0)->trigger();
        Form1* desk = Forms::IfLoaded<Form1>();
        ASSERT_NE(desk, nullptr);
        desk->Combo1->setCurrentIndex(pick(desk->Combo1->count() + 1) - 1);
        QTest::keyClick(desk->Combo1, Qt::Key_Down);
        desk->quantity->setText(any<QString>({"1", "7", "100", "2500", "0", "-3", "abc", "2.5", "99999999", ""}));
        QRadioButton* types[] = {desk->optBuybutton, desk->optBuybutton, desk->optSellButton, desk->optSellButton,
            desk->Covshort, desk->Selshort};
        QTest::mouseClick(types[pick(6)], Qt::LeftButton);
        QTest::mouseClick(desk->Command2, Qt::LeftButton);
        ++trades;
    }
    void addStock()
    {
        ed->mnuToolsItem(0)->trigger();
        Form6* f = Forms::IfLoaded<Form6>();
        ASSERT_NE(f, nullptr);
        f->Text1->setText("Soak company");
        f->Text2->setText(any<QString>({QString("SK%1").arg(pick(1000)), "aldr", "X Y", "SELECT", "ALDR", ""}));
        f->Text3->setText(QString::number(1 + pick(500)));
        QTest::mouseClick(f->Command1, Qt::LeftButton);
    }
    void editStock()
    {
        ed->mnuToolsItem(1)->trigger();
        Form7* f = Forms::IfLoaded<Form7>();
        ASSERT_NE(f, nullptr);
        f->editstock->setCurrentIndex(pick(f->editstock->count()) - 1);
        QTest::keyClick(f->editstock, Qt::Key_Down);
        QLineEdit* box = any<QLineEdit*>({f->Text2, f->Text4});
        box->setText(Numbers::PlainText(Numbers::ReadShown(box->text()) * 1.01));
        QTest::mouseClick(f->Command1, Qt::LeftButton);
    }
    void openOrCloseAWindow()
    {
        QAction* entries[] = {ed->mnuAssetitem(1), ed->mnuAssetitem(2), ed->mnuAnalyzeItem(0), ed->mnuAnalyzeItem(1),
            ed->mnuAnalyzeItem(2)};
        if (pick(3) == 0) {
            const QList<QWidget*> open = Forms::Loaded();
            QWidget* w = open[pick(int(open.size()))];
            if (w != ed)
                w->close();
            return;
        }
        QAction* a = entries[pick(5)];
        const bool fresh = !Forms::IfLoaded<Form5>(); // an open Position shows what it showed at its opening
        a->trigger();
        if (a == ed->mnuAnalyzeItem(1) && fresh)
            checkPosition();
    }

    /// The holdings the log adds up to, in symbol order as the query groups them.
    std::map<QString, qint64> holdings()
    {
        std::map<QString, qint64> out;
        for (const QString& row :
            RawRows(path("Soaker.sav"), "SELECT Symbol, SUM(Units) FROM Traderesult GROUP BY Symbol")) {
            const QStringList c = row.split('|');
            out[c[0]] = c[1].toLongLong();
        }
        return out;
    }
    void checkPosition()
    {
        Form5* f = Forms::IfLoaded<Form5>();
        ASSERT_NE(f, nullptr);
        QStringList shown, expected;
        for (const auto& [symbol, units] : holdings())
            if (units != 0)
                expected << symbol + '|' + QString::number(units);
        for (const QString& r : GridRows(*f->MSFlexGrid1))
            if (r != "|" && r != "---|")
                shown << r;
        ASSERT_EQ(shown, expected) << f->MSFlexGrid1->Cols();
        ++checks;
    }
    void checkAll(bool afterTick)
    {
        const QString result = RawRows(path("Soaker.sav"), "SELECT SUM(Result) FROM Traderesult").value(0);
        const Currency cash =
            Currency::fromDouble(500000) + (result == "NULL" ? Currency() : Currency::fromTicks(result.toLongLong()));
        const auto held = holdings();
        for (const auto& [symbol, units] : held)
            ASSERT_GE(units, 0) << symbol.toStdString();

        for (const Stock& s : stocks()) {
            ASSERT_EQ(s.historyRows, 201) << s.symbol.toStdString();
            if (afterTick && !s.min.isNull() && !s.max.isNull())
                ASSERT_TRUE(s.min.toDouble() <= s.price.toDouble() && s.price.toDouble() <= s.max.toDouble())
                    << s.symbol.toStdString();
        }
        if (afterTick) {
            Form3* balance = Forms::IfLoaded<Form3>();
            ASSERT_NE(balance, nullptr); // every tick refreshes it
            ASSERT_EQ(balance->cashbalance->text(), cash.toPlainString());
            Form13* portfolio = Forms::IfLoaded<Form13>();
            ASSERT_NE(portfolio, nullptr);
            QStringList shown, expected;
            for (const auto& [symbol, units] : held)
                if (units != 0)
                    expected << symbol + '|' + QString::number(units);
            for (const QString& r : GridRows(*portfolio->MSFlexGrid1)) {
                const QStringList c = r.split('|');
                if (!c[1].isEmpty())
                    shown << c[0] + '|' + c[1];
            }
            ASSERT_EQ(shown, expected);
        }
        if (Form11* t = Forms::IfLoaded<Form11>(); t && t->isVisible()) {
            const int n = RawRows(path("Soaker.sav"), "SELECT count(*) FROM Traderesult").value(0).toInt();
            if (n > 0)
                ASSERT_EQ(t->Label1->text(), QString::number(n));
        }
        ++checks;
    }
};

TEST_F(SoakTest, ManySimulatedDaysKeepTheFilesAndWindowsTrue)
{
    startGame("Soaker");
    Market::SetDrawSource([this] { return 1 + pick(100); });
    const int days = std::max(1, qEnvironmentVariableIntValue("TICORA_SOAK_DAYS") ?: 50);
    int ticks = 0, minute = 0;
    for (int day = 0; day < days; ++day) {
        const QDate today = ed->clockTime ? ed->clockTime->date() : ed->baseDate;
        bool evening = false;
        // The clock runs the day minute by minute, as its timer does; the market
        // moves every ten minutes while the exchange is open, as its timer does.
        do {
            Module1::AdvanceClock();
            ++minute;
            const QTime shown = *Exchange::ShownTimeOfDay();
            if (Exchange::IsOpen(shown)) {
                ASSERT_TRUE(ed->Timer2->isRunning());
                if (minute % 10 == 0) {
                    Module1::MarketTick();
                    ++ticks;
                    ASSERT_NO_FATAL_FAILURE(checkAll(true));
                    ASSERT_NO_FATAL_FAILURE(randomAction());
                    ASSERT_NO_FATAL_FAILURE(checkAll(false));
                }
            } else if (!evening && shown >= QTime(16, 0)) {
                evening = true;
                ASSERT_FALSE(ed->Timer2->isRunning());
                for (const Stock& s : stocks()) {
                    ASSERT_EQ(s.dayRows, 0) << s.symbol.toStdString();
                    ASSERT_EQ(s.volume.toDouble(), 0) << s.symbol.toStdString();
                }
                ++checks;
            }
        } while (ed->clockTime->date() == today);
        ASSERT_TRUE(evening);
    }
    RecordProperty("days", days);
    RecordProperty("ticks", ticks);
    RecordProperty("checks", checks);
    std::printf("soak: %d days, %d ticks, %d trades tried, %d checks\n", days, ticks, trades, checks);
    EXPECT_GE(ticks, days * 40);
    EXPECT_GT(stocks().size(), 14u); // some stocks were added on the way
}

} // namespace
