#include "app/PictureBox.h"
#include "app/frmEditor.h"
#include "app/kit/App.h"
#include "app/kit/Forms.h"
#include "app/kit/Module1.h"
#include "app/kit/Twips.h"
#include "app/kit/VbTimer.h"
#include "data/Form2.h"
#include "support/Fixtures.h"
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

class MainWindowTest : public AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        ed = &Forms::Get<frmEditor>();
    }
    frmEditor* ed = nullptr;

    QStringList visibleMenus() const
    {
        QStringList out;
        for (QMenu* m : {ed->mnuFile, ed->mnuAsset, ed->mnuAnalyze, ed->mnuTools, ed->mnuAbout})
            if (frmEditor::MenuVisible(m))
                out << m->objectName();
        return out;
    }
};

TEST_F(MainWindowTest, StartsWithNoGameAndTheMarketStill)
{
    EXPECT_EQ(ed->windowTitle(), "Varnel Ticora");
    EXPECT_EQ(visibleMenus(), QStringList({"mnuFile", "mnuAbout"}));
    EXPECT_FALSE(ed->mnuFileItem(3)->isEnabled());
    EXPECT_TRUE(ed->mnuFileItem(0)->isEnabled());
    EXPECT_TRUE(ed->mnuFileItem(5)->isEnabled());
    EXPECT_FALSE(ed->Newup->isHidden());
    for (QWidget* b :
        {static_cast<QWidget*>(ed->tradeup), static_cast<QWidget*>(ed->chartup), static_cast<QWidget*>(ed->balup)})
        EXPECT_TRUE(b->isHidden()) << b->objectName().toStdString();
    EXPECT_FALSE(ed->Timer1->enabled());
    EXPECT_EQ(ed->Timer1->interval(), 1000);
    EXPECT_TRUE(ed->Timer2->enabled());
    EXPECT_EQ(ed->Timer2->interval(), 0);
    EXPECT_FALSE(ed->Timer2->isRunning());
    EXPECT_EQ(ed->baseDate, QDate::currentDate());
    EXPECT_EQ(QDir::currentPath(), QFileInfo(folder()).canonicalFilePath());
    EXPECT_EQ(App::HelpFile(), path("zolthelp.hlp"));
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsAndIndexes)
{
    auto captions = [](const QMap<int, QAction*>& items) {
        QStringList out;
        for (auto it = items.begin(); it != items.end(); ++it)
            out << QString("%1:%2").arg(it.key()).arg(it.value()->isSeparator() ? "-" : it.value()->text());
        return out;
    };
    auto entries = [&](const char* menu) {
        QMap<int, QAction*> items;
        for (int i = 0; i < 6; ++i)
            if (auto* a = ed->findChild<QAction*>(QString("%1(%2)").arg(menu).arg(i)))
                items.insert(i, a);
        return captions(items);
    };
    EXPECT_EQ(entries("mnuFileItem"), QStringList({"0:&New", "3:&Close", "4:-", "5:E&xit"}));
    EXPECT_EQ(entries("mnuAssetitem"), QStringList({"0:T&rade", "1:&Prices", "2:&Chart"}));
    EXPECT_EQ(entries("mnuAnalyzeItem"), QStringList({"0:&Balance", "1:P&osition", "2:&Transaction"}));
    EXPECT_EQ(entries("mnuToolsItem"), QStringList({"0:A&dd new assets", "1:&Edit assets"}));
    EXPECT_EQ(entries("mnuAboutItem"), QStringList({"0:Help", "2:-", "3:About"}));
    QStringList bar;
    for (QAction* a : ed->menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, QStringList({"&File", "A&ssets", "&Balance", "&Tools", "&About..."}));
    EXPECT_EQ(ed->mnuAbout->property("helpContextID").toInt(), 1);
}

TEST_F(MainWindowTest, StatusBarLayoutFollowsTheWidth)
{
    ed->show();
    for (int px : {512, 800, 200, 100}) { // 200 and 100 px are below 3255 twips
        ed->Picture1->resize(px, ed->Picture1->height());
        ed->Picture2->resize(px, ed->Picture2->height());
        const int W = px * 15;
        SCOPED_TRACE(W);
        auto ends = [&](PictureBox* box, const char* n) {
            const LineItem* l = box->line(n);
            return QString("%1 %2 %3 %4").arg(l->X1 - W).arg(l->Y1).arg(l->X2 - W).arg(l->Y2);
        };
        // End points relative to the width: W-1920 reads as -1920.
        const struct {
            PictureBox* box;
            const char* line;
            int x1, y1, x2, y2;
        } lines[] = {{ed->Picture1, "Line5", -W, 0, 0, 0}, {ed->Picture1, "Line2", -1920, 120, -120, 120},
            {ed->Picture1, "Line4", -120, 120, -120, 360}, {ed->Picture1, "Line1", -1920, 360, -120, 360},
            {ed->Picture1, "Line3", -1920, 120, -1920, 360}, {ed->Picture1, "Line8", 120 - W, 120, -2040, 120},
            {ed->Picture1, "Line6", 120 - W, 360, -2040, 360}, {ed->Picture1, "Line9", -2040, 120, -2040, 360},
            {ed->Picture1, "Line7", 120 - W, 120, 120 - W, 360}, {ed->Picture2, "Line10", -W, 840, 0, 840},
            {ed->Picture2, "Line11", -W, 14, 0, 14}, {ed->Picture2, "Line14", -W, 0, 12000 - W, 0}};
        for (const auto& l : lines)
            EXPECT_EQ(ends(l.box, l.line), QString("%1 %2 %3 %4").arg(l.x1).arg(l.y1).arg(l.x2).arg(l.y2)) << l.line;
        EXPECT_EQ(Twips::Left(ed->Label1), W - 1635 - 300);
        EXPECT_EQ(Twips::Left(ed->Label2), W - 2040 - 1215);
        EXPECT_EQ(ed->Label2->x() < 0, W < 3255);
    }
}

TEST_F(MainWindowTest, OpensCentredWithItsDesignSize)
{
    EXPECT_EQ(ed->width(), 7680 / 15);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_NEAR(ed->x() + ed->width() / 2, screen.center().x(), 2);
    EXPECT_NEAR(ed->y() + ed->height() / 2, screen.center().y(), 20);
    EXPECT_EQ(ed->Picture2->height(), 855 / 15);
    EXPECT_EQ(ed->Picture1->height(), 435 / 15);
}

TEST_F(MainWindowTest, ToolbarButtonsShowPressedPictureForAnyMouseButton)
{
    ed->show();
    struct B {
        ImageButton* b;
        const char *dn, *upn;
        int left;
    } buttons[] = {{ed->Newup, "newdn", "newupn", 0}, {ed->tradeup, "tradedn", "tradeupn", 2040},
        {ed->chartup, "chartdn", "chartupn", 2880}, {ed->balup, "baldn", "balupn", 3720}};
    for (const B& b : buttons) {
        const auto* dn = ed->findChild<QLabel*>(b.dn);
        const auto* upn = ed->findChild<QLabel*>(b.upn);
        ASSERT_TRUE(dn && upn);
        EXPECT_EQ(dn->pixmap().size(), QSize(55, 47));
        EXPECT_NE(dn->pixmap().toImage(), upn->pixmap().toImage());
        EXPECT_EQ(Twips::Left(b.b), b.left);
        EXPECT_EQ(b.b->property("twipsTop").toInt(), 120);
        EXPECT_EQ(dn->property("twipsTop").toInt(), 1080);
        EXPECT_EQ(upn->property("twipsTop").toInt(), 1320);
        EXPECT_FALSE(b.b->accessibleName().isEmpty());
        EXPECT_FALSE(b.b->toolTip().isEmpty());
        for (Qt::MouseButton mb : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            QTest::mousePress(b.b, mb);
            EXPECT_EQ(b.b->pixmap().toImage(), dn->pixmap().toImage());
            QTest::mouseRelease(b.b, mb);
            EXPECT_EQ(b.b->pixmap().toImage(), upn->pixmap().toImage());
        }
    }
}

TEST_F(MainWindowTest, NewFromMenuAndFromButtonGiveTwoCaptions)
{
    ed->mnuFileItem(0)->trigger();
    EXPECT_EQ(ed->windowTitle(), "Varnel Korvath: V1.0");
    Form2* f = Forms::IfLoaded<Form2>();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->fsumma->text(), "500000");
    EXPECT_EQ(Module1::StartingBalance, dao::Value(500000));
    QTest::mouseClick(f->Command2, Qt::LeftButton); // Cancel keeps the caption
    ProcessDeletions();
    EXPECT_EQ(Forms::IfLoaded<Form2>(), nullptr);
    EXPECT_EQ(ed->windowTitle(), "Varnel Korvath: V1.0");
    ed->show();
    QTest::mouseClick(ed->Newup, Qt::LeftButton);
    EXPECT_EQ(ed->windowTitle(), "Varnel Ticora: V1.0");
    EXPECT_NE(Forms::IfLoaded<Form2>(), nullptr);
    EXPECT_FALSE(QFileInfo::exists(path(".sav")));
}

TEST_F(MainWindowTest, ClosingWithNoGameTouchesNoFile)
{
    auto listing = [&] {
        QStringList out;
        for (const QFileInfo& fi : QDir(folder()).entryInfoList(QDir::Files | QDir::Hidden))
            out << fi.fileName() + QString::number(fi.size()) + fi.lastModified().toString(Qt::ISODateWithMs);
        return out;
    };
    const QStringList before = listing();
    ed->show();
    ed->close();
    EXPECT_TRUE(App::EndRequested());
    EXPECT_EQ(listing(), before);
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(MainWindowTest, ExitWithNoGameEndsAtOnce)
{
    ed->mnuFileItem(5)->trigger();
    EXPECT_TRUE(App::EndRequested());
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(AppFolderTest, SecondInstanceShowsTheMessageAndLeavesNoWindow)
{
    // Another instance holds this application folder's lock.
    QLockFile other(path(".varnel-ticora.lock"));
    ASSERT_TRUE(other.tryLock(0));
    Forms::Get<frmEditor>();
    ProcessDeletions();
    ASSERT_EQ(msgs.messages.size(), 1u);
    EXPECT_EQ(msgs.messages[0].text, QString::fromUtf8("Проект уже запущен!"));
    EXPECT_EQ(msgs.messages[0].caption, "Varnel Ticora");
    EXPECT_EQ(msgs.messages[0].buttons, Ui::Buttons::OK);
    EXPECT_TRUE(App::EndRequested());
    EXPECT_TRUE(Forms::Loaded().isEmpty());
    EXPECT_TRUE(other.isLocked()); // the first instance is unaffected
}

} // namespace

namespace {

TEST(ApplicationFolder, PortableBesideTheProgramInstalledInTheUsersDataFolder)
{
    QTemporaryDir root;
    const QString bin = root.filePath("bin"), shared = root.filePath("share/varnel-ticora"),
                  user = root.filePath("home/data/varnel-ticora");
    QDir().mkpath(bin);
    // Without files of its own anywhere: the program's folder, as it is.
    EXPECT_EQ(App::PlaceApplicationFolder(bin, user).folder, QDir(bin).absolutePath());

    QDir().mkpath(shared);
    ASSERT_TRUE(QFile::copy(QStringLiteral(TICORA_STARTER_MARKET), shared + "/stocks.tqs"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TICORA_HELP_FILE), shared + "/zolthelp.hlp"));
    App::Placement p = App::PlaceApplicationFolder(bin, user);
    EXPECT_EQ(p.error, "");
    EXPECT_EQ(p.folder, QDir(user).absolutePath());
    EXPECT_TRUE(QFile::exists(user + "/stocks.tqs"));
    EXPECT_TRUE(QFile::exists(user + "/zolthelp.hlp"));
    EXPECT_TRUE(QFileInfo(user + "/stocks.tqs").isWritable());

    // A market that has moved is never replaced by the shipped one.
    QFile moved(user + "/stocks.tqs");
    ASSERT_TRUE(moved.open(QIODevice::Append));
    moved.write("x");
    moved.close();
    const qint64 size = QFileInfo(user + "/stocks.tqs").size();
    EXPECT_EQ(App::PlaceApplicationFolder(bin, user).folder, QDir(user).absolutePath());
    EXPECT_EQ(QFileInfo(user + "/stocks.tqs").size(), size);

    // A market beside the program makes the folder portable.
    ASSERT_TRUE(QFile::copy(QStringLiteral(TICORA_STARTER_MARKET), bin + "/stocks.tqs"));
    EXPECT_EQ(App::PlaceApplicationFolder(bin, user).folder, QDir(bin).absolutePath());
}

} // namespace
