#include "app/App.h"
#include "app/Forms.h"
#include "app/Module1.h"
#include "app/PictureBox.h"
#include "app/Twips.h"
#include "app/VbTimer.h"
#include "app/frmEditor.h"
#include "data/Form2.h"
#include "support/Fixtures.h"
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>
#include <QMenuBar>
#include <QPushButton>
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
    struct Entry {
        QAction* a;
        const char* caption;
    } entries[] = {
        {ed->mnuFileItem(0), "&New"},
        {ed->mnuFileItem(3), "&Close"},
        {ed->mnuFileItem(5), "E&xit"},
        {ed->mnuAssetitem(0), "T&rade"},
        {ed->mnuAssetitem(1), "&Prices"},
        {ed->mnuAssetitem(2), "&Chart"},
        {ed->mnuAnalyzeItem(0), "&Balance"},
        {ed->mnuAnalyzeItem(1), "P&osition"},
        {ed->mnuAnalyzeItem(2), "&Transaction"},
        {ed->mnuToolsItem(0), "A&dd new assets"},
        {ed->mnuToolsItem(1), "&Edit assets"},
        {ed->mnuAboutItem(0), "Help"},
        {ed->mnuAboutItem(3), "About"},
    };
    for (const Entry& e : entries) {
        ASSERT_NE(e.a, nullptr) << e.caption;
        EXPECT_EQ(e.a->text(), e.caption);
    }
    EXPECT_TRUE(ed->mnuFileItem(4)->isSeparator());
    EXPECT_TRUE(ed->mnuAboutItem(2)->isSeparator());
    EXPECT_EQ(ed->mnuFileItem(1), nullptr);
    EXPECT_EQ(ed->findChild<QAction*>("mnuFileItem(3)"), ed->mnuFileItem(3));
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
        const int W = px * 15;
        SCOPED_TRACE(W);
        EXPECT_EQ(Twips::Left(ed->Label1), W - 1635 - 300);
        EXPECT_EQ(Twips::Left(ed->Label2), W - 2040 - 1215);
        auto line = [&](const char* n) { return ed->Picture1->line(n); };
        EXPECT_EQ(line("Line5")->X2, W);
        EXPECT_EQ(line("Line2")->X1, W - 1920);
        EXPECT_EQ(line("Line2")->X2, W - 120);
        EXPECT_EQ(line("Line4")->X1, W - 120);
        EXPECT_EQ(line("Line4")->X2, W - 120);
        EXPECT_EQ(line("Line1")->X1, W - 1920);
        EXPECT_EQ(line("Line1")->X2, W - 120);
        EXPECT_EQ(line("Line3")->X1, W - 1920);
        EXPECT_EQ(line("Line8")->X2, W - 2040);
        EXPECT_EQ(line("Line6")->X2, W - 2040);
        EXPECT_EQ(line("Line9")->X1, W - 2040);
        EXPECT_EQ(line("Line7")->X1, 120);
        EXPECT_EQ(line("Line2")->Y1, 120);
        EXPECT_EQ(line("Line1")->Y1, 360);
        if (W < 3255)
            EXPECT_LT(ed->Label2->x(), 0);
        ed->Picture2->resize(px, ed->Picture2->height());
        EXPECT_EQ(ed->Picture2->line("Line10")->X2, W);
        EXPECT_EQ(ed->Picture2->line("Line11")->X2, W);
        EXPECT_EQ(ed->Picture2->line("Line14")->X2, 12000);
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

TEST_F(AppFolderTest, TheFirstInstanceOnlyTakesTheLock)
{
    EXPECT_TRUE(App::AcquireInstanceLock());
    QLockFile second(path(".varnel-ticora.lock"));
    EXPECT_FALSE(second.tryLock(0));
}

} // namespace
