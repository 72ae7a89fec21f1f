#include "support/GameFixture.h"

using MainWindowTest = GameTest;

TEST_F(MainWindowTest, StartsWithNoGameAndTheMarketStillAndWithoutAGameEndsTouchingNoFile)
{
    expectGame(false);
    EXPECT_EQ(QDir::currentPath(), QFileInfo(folder()).canonicalFilePath());
    EXPECT_EQ(App::HelpFile(), path("zolthelp.hlp"));
    ed->newAction->trigger(); // New from the menu and from the button give two captions
    EXPECT_EQ(ed->windowTitle(), "Varnel Korvath: V1.0");
    EXPECT_EQ(Forms::IfLoaded<NewGameDialog>()->balanceLabel->text(), "500000");
    QTest::mouseClick(Forms::IfLoaded<NewGameDialog>()->cancelButton, Qt::LeftButton); // Cancel keeps the caption
    EXPECT_EQ(ed->windowTitle(), "Varnel Korvath: V1.0");
    ed->show();
    QTest::mouseClick(ed->newButton, Qt::LeftButton);
    EXPECT_EQ(ed->windowTitle(), "Varnel Ticora: V1.0");
    const QStringList files = QDir(folder()).entryList(QDir::Files | QDir::Hidden);
    ed->close();
    EXPECT_TRUE(App::EndRequested());
    App::ResetEndRequest();
    Forms::Get<MainWindow>().exitAction->trigger(); // Exit
    EXPECT_TRUE(App::EndRequested());
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), files);
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(MainWindowTest, ToolbarButtonsShowThePressedPictureForAnyMouseButton)
{
    ed->show();
    const QImage down = QPixmap(":/toolbar/new-down.png").toImage(), up = QPixmap(":/toolbar/new-up.png").toImage();
    EXPECT_NE(down, up);
    for (Qt::MouseButton mb : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(ed->newButton, mb);
        EXPECT_EQ(ed->newButton->pixmap().toImage(), down);
        QTest::mouseRelease(ed->newButton, mb);
        EXPECT_EQ(ed->newButton->pixmap().toImage(), up);
    }
}

TEST_F(AppFolderTest, OnlyAnotherRunningCopyStopsTheStartNotAFullOrUnwritableFolder)
{
    const auto [own, standIn] = App::InstanceLockFiles();
    // The stand-in: a copy that could not write the folder. Said in the desktop's language: LANG=C is English.
    const std::tuple<QString, QLocale, const char*> starts[] = {
        {own, QLocale::c(), "Varnel Ticora is already running."},
        {standIn, QLocale(QLocale::German), "Varnel Ticora läuft bereits."}};
    for (const auto& [held, language, said] : starts) {
        SCOPED_TRACE(held.toStdString());
        QLockFile other(held);
        ASSERT_TRUE(other.tryLock(0));
        App::InstallTranslations(language);
        Forms::Get<MainWindow>();
        App::InstallTranslations(QLocale(QLocale::English));
        ProcessDeletions();
        EXPECT_EQ(msgs.texts(), QStringList(QString::fromUtf8(said)));
        EXPECT_TRUE(App::EndRequested());
        EXPECT_TRUE(Forms::Loaded().isEmpty());
        EXPECT_TRUE(other.isLocked());
        msgs.messages.clear();
        App::ResetEndRequest();
    }
    App::SetFolder(path("stocks.tqs") + "/inside"); // a folder that cannot be written
    qputenv("TMPDIR", QFile::encodeName(App::Folder())); // nor the temporary one: no lock, yet the program starts
    Forms::Get<MainWindow>();
    qunsetenv("TMPDIR");
    Forms::Unload(FindForm("MainWindow"));
    App::ReleaseInstanceLock();
    Forms::Get<MainWindow>();
    QLockFile second(App::InstanceLockFiles().second); // where the lock went, as a second copy finds it
    EXPECT_FALSE(second.tryLock(0));
    EXPECT_EQ(second.error(), QLockFile::LockFailedError);
    EXPECT_FALSE(QFile::exists(own));
    EXPECT_FALSE(App::EndRequested());
    EXPECT_TRUE(msgs.messages.empty());
}

TEST(ApplicationFolder, PortableBesideTheProgramInstalledInTheUsersDataFolder)
{
    QTemporaryDir root;
    const QString bin = root.filePath("games"), shared = root.filePath("share/games/varnel-ticora"),
                  user = root.filePath("home/data/varnel-ticora");
    QDir().mkpath(bin);
    EXPECT_EQ(App::PlaceApplicationFolder(bin, user).folder, QDir(bin).absolutePath());
    QDir().mkpath(shared);
    ASSERT_TRUE(QFile::copy(TestMarket(), shared + "/stocks.tqs"));
    ASSERT_TRUE(QFile::copy(BuiltPath(TICORA_HELP_FILE), shared + "/zolthelp.hlp"));
    const QString unmade = App::PlaceApplicationFolder(bin, shared + "/stocks.tqs/data").error;
    EXPECT_TRUE(unmade.endsWith("Free some space on its disk, or give the folder write permission, then start the "
                                "program again."))
        << unmade.toStdString();
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
    ASSERT_TRUE(QFile::copy(TestMarket(), bin + "/stocks.tqs"));
    EXPECT_EQ(App::PlaceApplicationFolder(bin, user).folder, QDir(bin).absolutePath());
}
