#include "support/GameFixture.h"

class MainWindowTest : public AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        ed = &Forms::Get<frmEditor>();
    }
    frmEditor* ed = nullptr;
};

TEST_F(MainWindowTest, StartsWithNoGameAndTheMarketStill)
{
    EXPECT_FALSE(frmEditor::MenuVisible(ed->mnuAsset) || frmEditor::MenuVisible(ed->mnuTools) ||
        frmEditor::MenuVisible(ed->mnuAnalyze));
    EXPECT_FALSE(ed->mnuFileItem(3)->isEnabled());
    EXPECT_TRUE(ed->tradeup->isHidden());
    EXPECT_FALSE(ed->Timer1->enabled());
    EXPECT_FALSE(ed->Timer2->isRunning());
    EXPECT_EQ(QDir::currentPath(), QFileInfo(folder()).canonicalFilePath());
    EXPECT_EQ(App::HelpFile(), path("zolthelp.hlp"));
}

TEST_F(MainWindowTest, ToolbarButtonsShowThePressedPictureForAnyMouseButton)
{
    ed->show();
    const auto* dn = ed->findChild<QLabel*>("newdn");
    const auto* upn = ed->findChild<QLabel*>("newupn");
    ASSERT_TRUE(dn && upn);
    EXPECT_NE(dn->pixmap().toImage(), upn->pixmap().toImage());
    for (Qt::MouseButton mb : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(ed->Newup, mb);
        EXPECT_EQ(ed->Newup->pixmap().toImage(), dn->pixmap().toImage());
        QTest::mouseRelease(ed->Newup, mb);
        EXPECT_EQ(ed->Newup->pixmap().toImage(), upn->pixmap().toImage());
    }
}

TEST_F(MainWindowTest, NewFromTheMenuAndFromTheButtonGiveTwoCaptions)
{
    ed->mnuFileItem(0)->trigger();
    EXPECT_EQ(ed->windowTitle(), "Varnel Korvath: V1.0");
    Form2* f = Forms::IfLoaded<Form2>();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->fsumma->text(), "500000");
    QTest::mouseClick(f->Command2, Qt::LeftButton); // Cancel keeps the caption
    ProcessDeletions();
    EXPECT_EQ(ed->windowTitle(), "Varnel Korvath: V1.0");
    ed->show();
    QTest::mouseClick(ed->Newup, Qt::LeftButton);
    EXPECT_EQ(ed->windowTitle(), "Varnel Ticora: V1.0");
    EXPECT_NE(Forms::IfLoaded<Form2>(), nullptr);
}

TEST_F(MainWindowTest, ClosingOrExitWithNoGameEndsAndTouchesNoFile)
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
    App::ResetEndRequest();
    Forms::Get<frmEditor>().mnuFileItem(5)->trigger();
    EXPECT_TRUE(App::EndRequested());
    EXPECT_EQ(listing(), before);
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(AppFolderTest, ASecondInstanceShowsTheMessageAndLeavesNoWindow)
{
    QLockFile other(path(".varnel-ticora.lock")); // another instance's
    ASSERT_TRUE(other.tryLock(0));
    Forms::Get<frmEditor>();
    ProcessDeletions();
    EXPECT_EQ(msgs.texts(), QStringList(QString::fromUtf8("Проект уже запущен!")));
    EXPECT_TRUE(App::EndRequested());
    EXPECT_TRUE(Forms::Loaded().isEmpty());
    EXPECT_TRUE(other.isLocked());
}

TEST(ApplicationFolder, PortableBesideTheProgramInstalledInTheUsersDataFolder)
{
    QTemporaryDir root;
    const QString bin = root.filePath("bin"), shared = root.filePath("share/varnel-ticora"),
                  user = root.filePath("home/data/varnel-ticora");
    QDir().mkpath(bin);
    EXPECT_EQ(App::PlaceApplicationFolder(bin, user).folder, QDir(bin).absolutePath());
    QDir().mkpath(shared);
    ASSERT_TRUE(QFile::copy(QStringLiteral(TICORA_STARTER_MARKET), shared + "/stocks.tqs"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TICORA_HELP_FILE), shared + "/zolthelp.hlp"));
    EXPECT_EQ(App::PlaceApplicationFolder(bin, user).folder, QDir(user).absolutePath());
    EXPECT_TRUE(QFile::exists(user + "/zolthelp.hlp"));
    EXPECT_TRUE(QFileInfo(user + "/stocks.tqs").isWritable());
    // A market that has moved is never replaced by the shipped one.
    QFile moved(user + "/stocks.tqs");
    ASSERT_TRUE(moved.open(QIODevice::Append));
    moved.write("x");
    moved.close();
    const qint64 size = QFileInfo(user + "/stocks.tqs").size();
    App::PlaceApplicationFolder(bin, user);
    EXPECT_EQ(QFileInfo(user + "/stocks.tqs").size(), size);
    // A market beside the program makes the folder portable.
    ASSERT_TRUE(QFile::copy(QStringLiteral(TICORA_STARTER_MARKET), bin + "/stocks.tqs"));
    EXPECT_EQ(App::PlaceApplicationFolder(bin, user).folder, QDir(bin).absolutePath());
}

