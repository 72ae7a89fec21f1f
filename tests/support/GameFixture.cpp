#include "GameFixture.h"
#include "app/kit/Exchange.h"
#include "app/kit/FlexGrid.h"
#include "app/PictureBox.h"
#include "app/kit/Module1.h"
#include "app/kit/VbTimer.h"
#include "data/Form2.h"
#include "market/Clock.h"
#include "trading/Form1.h"
#include <QButtonGroup>
#include <QComboBox>
#include <QRadioButton>
#include <QDir>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

void GameTest::SetUp()
{
    AppFolderTest::SetUp();
    ed = &Forms::Get<frmEditor>();
}

void GameTest::startGame(const QString& name)
{
    ed->mnuFileItem(0)->trigger();
    Form2* f = Forms::IfLoaded<Form2>();
    ASSERT_NE(f, nullptr);
    f->playername->setText(name);
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    ProcessDeletions();
}

void GameTest::trade(const QString& symbol, const QString& units, const QString& type)
{
    ed->mnuAssetitem(0)->trigger();
    Form1* desk = Forms::IfLoaded<Form1>();
    ASSERT_NE(desk, nullptr);
    const int i = desk->Combo1->findText(symbol);
    ASSERT_GE(i, 0) << symbol.toStdString();
    desk->Combo1->setCurrentIndex(i - 1);
    QTest::keyClick(desk->Combo1, Qt::Key_Down);
    desk->quantity->clear();
    QTest::keyClicks(desk->quantity, units);
    desk->types->setExclusive(false);
    for (QAbstractButton* b : desk->types->buttons())
        b->setChecked(b->text() == type);
    desk->types->setExclusive(true);
    QTest::mouseClick(desk->Command2, Qt::LeftButton);
}

void GameTest::setClock(const QDateTime& t)
{
    ed->clockTime = t;
    Exchange::SetShown(t);
    ed->Label1->setText(Market::ClockText(t));
}

QDateTime GameTest::at(int dayOffset, int h, int m) const
{
    return dao::naiveDateTime(ed->baseDate.addDays(dayOffset), QTime(h, m));
}

bool GameTest::gameState(bool open) const
{
    const bool states[] = {frmEditor::MenuVisible(ed->mnuAsset), frmEditor::MenuVisible(ed->mnuTools),
        frmEditor::MenuVisible(ed->mnuAnalyze), ed->mnuFileItem(3)->isEnabled(), ed->Timer1->enabled(),
        !ed->tradeup->isHidden(), !ed->chartup->isHidden(), !ed->balup->isHidden(),
        !Module1::GameFileName.isEmpty()};
    return std::all_of(std::begin(states), std::end(states), [open](bool s) { return s == open; }) &&
        (open || (ed->Label1->text().isEmpty() && !ed->Timer2->isRunning()));
}

QStringList GameTest::folderFiles() const
{
    return QDir(folder()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

std::vector<GameTest::Stock> GameTest::stocks()
{
    std::vector<Stock> out;
    dao::Database db = market();
    dao::Recordset rs = db.openSnapshot("Stocks Information");
    for (int i = 0; i < rs.recordCount(); ++i, rs.moveNext()) {
        Stock s{rs.field("stocksymbol").asText(), rs.field("Stockcurrent Price"), rs.field("Min"), rs.field("Max"),
            rs.field("Volume"), 0, 0};
        // -1 for a table that is missing, as some tests arrange.
        s.historyRows = db.hasTable(s.symbol) ? db.openTable(s.symbol).recordCount() : -1;
        s.dayRows = db.hasTable(s.symbol + "DAY") ? db.openTable(s.symbol + "DAY").recordCount() : -1;
        out.push_back(s);
    }
    return out;
}

void GameTest::setFields(const QString& symbol, std::initializer_list<std::pair<const char*, dao::Value>> fields)
{
    dao::Database db = market();
    dao::Recordset rs = db.openTable("Stocks Information");
    for (int i = 0; i < rs.recordCount(); ++i, rs.moveNext())
        if (rs.field("stocksymbol") == dao::Value(symbol)) {
            rs.edit();
            for (const auto& [name, value] : fields)
                rs.setField(name, value);
            rs.update();
        }
}

void GameTest::logTrade(const QString& symbol, double price, int units, double result)
{
    dao::Database game = dao::Database::open(path(Module1::GameFileName));
    AddTrade(game, symbol, price, units, result);
}

QStringList GridRows(const FlexGrid& g)
{
    QStringList out;
    for (int r = 0; r < g.Rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < g.Cols(); ++c)
            cells << g.TextMatrix(r, c);
        out << cells.join('|');
    }
    return out;
}
