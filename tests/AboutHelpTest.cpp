#include "app/frmAbout.h"
#include "app/frmHelp.h"
#include "app/kit/App.h"
#include "app/kit/Module1.h"
#include "support/GameFixture.h"
#include "trading/Form1.h"
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

namespace {

class AboutHelpTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        ASSERT_TRUE(QFile::copy(QStringLiteral(TICORA_HELP_FILE), path("zolthelp.hlp")));
        ed->formLoad(); // names the help file of this folder
    }
    frmAbout* openAbout()
    {
        ed->mnuAboutItem(3)->trigger();
        frmAbout* a = Forms::IfLoaded<frmAbout>();
        EXPECT_TRUE(a && a->isVisible() && a->isModal());
        return a;
    }
    frmHelp* help() { return Forms::IfLoaded<frmHelp>(); }
};

TEST_F(AboutHelpTest, OkClosesTheAboutWindowAndNothingElseChanges)
{
    startGame("Reader");
    for (int i = 0; i < 2; ++i) {
        frmAbout* a = openAbout();
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->windowTitle(), "About");
        EXPECT_EQ(a->lblAbout->text(),
            "Varnel Ticora V1.0\n\nFeel free to be the sponsore of the next version.\n"
            "Your advertisment will be placed on the starting screen.");
        QTest::mouseClick(a->cmdAbout, Qt::LeftButton);
        ProcessDeletions();
        EXPECT_EQ(Forms::IfLoaded<frmAbout>(), nullptr);
    }
    EXPECT_FALSE(App::EndRequested());
    EXPECT_TRUE(QFile::exists(path("Reader.sav")));
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(AboutHelpTest, ClosingTheAboutWindowFromItsTitleBarEndsTheProgram)
{
    for (bool game : {false, true}) {
        SCOPED_TRACE(game);
        App::ResetEndRequest();
        if (game)
            startGame("Leaver");
        openAbout()->close();
        ProcessDeletions();
        EXPECT_TRUE(App::EndRequested());
        EXPECT_EQ(Forms::IfLoaded<frmAbout>(), nullptr);
        EXPECT_FALSE(QFile::exists(path("Leaver.sav")));
        ed->show();
    }
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(AboutHelpTest, HelpOpensAtTheContentsTheDesksTopicAndTheFocusedWindowsTopic)
{
    ed->mnuAboutItem(0)->trigger();
    ASSERT_NE(help(), nullptr);
    EXPECT_TRUE(help()->isVisible());
    EXPECT_EQ(help()->CurrentTopic(), 0);
    EXPECT_TRUE(help()->txtTopic->toPlainText().startsWith("Contents"));

    startGame("Reader");
    setClock(at(0, 10, 0));
    ed->mnuAssetitem(0)->trigger();
    Form1* desk = Forms::IfLoaded<Form1>();
    QTest::mouseClick(desk->Command1, Qt::LeftButton);
    EXPECT_EQ(help()->CurrentTopic(), 7);
    EXPECT_TRUE(help()->txtTopic->toPlainText().startsWith("The Trading desk"));

    ed->mnuAnalyzeItem(2)->trigger(); // Transactions
    QWidget* grid = Forms::Find("Form11")->findChild<QWidget*>("MSFlexGrid1");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F1);
    EXPECT_EQ(help()->CurrentTopic(), 9);
    EXPECT_TRUE(help()->txtTopic->toPlainText().startsWith("Transactions"));

    // Choosing another topic from the list shows it.
    help()->lstTopics->setCurrentRow(2);
    EXPECT_EQ(help()->CurrentTopic(), 2);
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(AboutHelpTest, AMissingOrDamagedHelpFileIsSaidAndTheProgramGoesOn)
{
    struct Case {
        const char* name;
        QByteArray content; ///< empty: no file
        const char* why;
    };
    const Case cases[] = {
        {"missing", {}, "cannot be found"},
        {"random bytes", QByteArray("\xff\xfe\x00\x01garbage", 11), "is not a text file"},
        {"no topics", "just some words\n", "has text before its first topic"},
        {"no contents", "[topic 3] Three\ntext\n", "has no contents page (topic 0)"},
        {"topic twice", "[topic 0] A\n[topic 0] B\n", "has topic 0 twice"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        msgs.messages.clear();
        QFile::remove(path("zolthelp.hlp"));
        if (!c.content.isEmpty()) {
            QFile f(path("zolthelp.hlp"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.content);
        }
        QTest::keyClick(ed, Qt::Key_F1);
        ASSERT_EQ(msgs.messages.size(), 1u);
        EXPECT_EQ(msgs.messages[0].text,
            QString("The help cannot be shown: the help file %1 %2.").arg(path("zolthelp.hlp"), c.why));
        EXPECT_EQ(help(), nullptr);
    }
    EXPECT_FALSE(App::EndRequested());
}

TEST(HelpFile, TheShippedHelpHasATopicForEveryWindow)
{
    QFile f(QStringLiteral(TICORA_HELP_FILE));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const Help::Parsed h = Help::ParseText(f.readAll());
    ASSERT_EQ(h.error, "");
    for (int topic : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15})
        EXPECT_TRUE(h.topics.count(topic)) << topic;
    // Every message the trading desk can show is explained.
    for (const char* m : {"Varnel Stock Exchange is closed at the moment.", "You must enter a valid units amount.",
             "Choose transaction type", "You don't have this number of stock", "This stock already exist in your game!",
             "Fill the necessary information", "No changes were made!", "Otkupili short"})
        EXPECT_TRUE(h.topics.at(12).text.contains(QString::fromUtf8(m))) << m;
}

} // namespace
