#include "support/GameFixture.h"

class CloseGameTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        startGame("Cleo");
        Minute();
        ASSERT_TRUE(QFile::exists(path("Cleo.sav")));
    }
};

TEST_F(CloseGameTest, CloseExitAndTheMainTitleBarDeleteTheFileAndUnloadEveryWindowButHelp)
{
    ASSERT_TRUE(QFile::copy(BuiltPath(TICORA_HELP_FILE), path("zolthelp.hlp")));
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Close", [this] { ed->closeAction->trigger(); }},
        {"Exit", [this] { ed->exitAction->trigger(); }},
        {"title bar", [this] { ed->show(), ed->close(); }},
    };
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        if (!QFile::exists(path("Cleo.sav")))
            startGame("Cleo");
        GameShell::ShowHelp(0); // no part of the game: it stays open
        ed->newAction->trigger(); // an Information window is open too
        close();
        ProcessDeletions();
        EXPECT_FALSE(QFile::exists(path("Cleo.sav")));
        expectGame(false);
        EXPECT_EQ(Forms::Loaded().size(), 2);
        EXPECT_NE(FindForm("HelpWindow"), nullptr);
        EXPECT_EQ(App::EndRequested(), QByteArray(way) != "Close");
        App::ResetEndRequest();
    }
    EXPECT_TRUE(msgs.messages.empty());
    ed->OfferSavedGames(false); // a game ended for good is not offered
    ed->continueAction->trigger();
    EXPECT_EQ(Forms::IfLoaded<ContinueDialog>(), nullptr);
    EXPECT_EQ(msgs.texts(), QStringList("There is no game to continue."));
}

TEST_F(CloseGameTest, AFileThatCannotBeDeletedIsReportedAndTheGameEndsAllTheSame)
{
    // A folder in the file's place cannot be removed as a file.
    dao::releaseAll(); // as another program would find it: no connection of ours holds it
    ASSERT_TRUE(QFile::remove(path("Cleo.sav")));
    ASSERT_TRUE(QDir(folder()).mkpath("Cleo.sav/inside"));
    ed->closeAction->trigger();
    ASSERT_EQ(msgs.texts().size(), 1);
    EXPECT_TRUE(msgs.texts()[0].contains("could not be deleted")) << msgs.texts()[0].toStdString();
    expectGame(false);
}
