#include "app/GameShell.h"
#include "app/PictureBox.h"
#include "app/kit/App.h"
#include "app/kit/Module1.h"
#include "app/kit/VbTimer.h"
#include "data/Form2.h"
#include "support/GameFixture.h"
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>

namespace {

class CloseGameTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        startGame("Cleo");
        Module1::AdvanceClock();
        ASSERT_TRUE(QFile::exists(path("Cleo.sav")));
    }
    void expectNoGameState()
    {
        EXPECT_FALSE(frmEditor::MenuVisible(ed->mnuAsset));
        EXPECT_FALSE(frmEditor::MenuVisible(ed->mnuTools));
        EXPECT_FALSE(frmEditor::MenuVisible(ed->mnuAnalyze));
        EXPECT_TRUE(frmEditor::MenuVisible(ed->mnuFile));
        EXPECT_TRUE(frmEditor::MenuVisible(ed->mnuAbout));
        EXPECT_FALSE(ed->mnuFileItem(3)->isEnabled());
        EXPECT_TRUE(ed->tradeup->isHidden() && ed->chartup->isHidden() && ed->balup->isHidden());
        EXPECT_FALSE(ed->Timer1->enabled());
        EXPECT_FALSE(ed->Timer2->isRunning());
        EXPECT_TRUE(ed->Label1->text().isEmpty());
        EXPECT_TRUE(ed->Label2->text().isEmpty());
        EXPECT_TRUE(Module1::GameFileName.isEmpty());
        EXPECT_EQ(Forms::LoadedNames(), QStringList({"frmEditor"}));
    }
};

TEST_F(CloseGameTest, CloseDeletesTheFileAndUnloadsTheOtherWindows)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(TICORA_HELP_FILE), path("zolthelp.hlp")));
    GameShell::ShowHelp(0); // no part of the game: it stays open
    ed->mnuFileItem(0)->trigger(); // an Information window is open too
    ed->mnuFileItem(3)->trigger();
    ProcessDeletions();
    EXPECT_EQ(Forms::LoadedNames(), QStringList({"frmEditor", "frmHelp"}));
    Forms::Unload(Forms::Find("frmHelp"));
    ProcessDeletions();
    EXPECT_FALSE(QFile::exists(path("Cleo.sav")));
    expectNoGameState();
    EXPECT_EQ(ed->windowTitle(), "Varnel Korvath: V1.0"); // not reset
    EXPECT_EQ(Module1::PlayerName, dao::Value("Cleo"));
    EXPECT_FALSE(App::EndRequested());
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(CloseGameTest, ANewGameAfterCloseStartsANewDay)
{
    for (int i = 0; i < 30; ++i)
        Module1::AdvanceClock();
    ed->mnuFileItem(3)->trigger();
    startGame("Cleo2");
    Module1::AdvanceClock();
    EXPECT_EQ(ed->clockTime, at(0, 9, 1));
}

TEST_F(CloseGameTest, AnUndeletableFileIsReportedAndTheWindowStillResets)
{
    // A folder in the file's place cannot be removed as a file.
    ASSERT_TRUE(QFile::remove(path("Cleo.sav")));
    ASSERT_TRUE(QDir(folder()).mkpath("Cleo.sav/inside"));
    ed->mnuFileItem(3)->trigger();
    ProcessDeletions();
    ASSERT_EQ(msgs.messages.size(), 1u);
    EXPECT_TRUE(msgs.messages[0].text.contains("could not be deleted")) << msgs.messages[0].text.toStdString();
    expectNoGameState();
}

TEST_F(CloseGameTest, ExitClosesTheGameThenEnds)
{
    ed->mnuFileItem(5)->trigger();
    ProcessDeletions();
    EXPECT_FALSE(QFile::exists(path("Cleo.sav")));
    EXPECT_TRUE(App::EndRequested());
    expectNoGameState();
}

TEST_F(CloseGameTest, ClosingTheMainWindowClosesTheGame)
{
    ed->show();
    ed->close();
    ProcessDeletions();
    EXPECT_FALSE(QFile::exists(path("Cleo.sav")));
    EXPECT_TRUE(App::EndRequested());
}

} // namespace
