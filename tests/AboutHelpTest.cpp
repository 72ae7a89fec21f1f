#include "support/GameFixture.h"

class AboutHelpTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        ASSERT_TRUE(QFile::copy(BuiltPath(TICORA_HELP_FILE), path("zolthelp.hlp")));
    }
    HelpWindow* help() { return Forms::IfLoaded<HelpWindow>(); }
};

TEST_F(AboutHelpTest, OkReturnAndTheTitleBarCloseTheAboutWindowAndNothingElse)
{
    startGame("Reader");
    const std::pair<const char*, std::function<void(AboutDialog*)>> ways[] = {
        {"OK", [](AboutDialog* a) { QTest::mouseClick(a->okButton, Qt::LeftButton); }},
        {"Return", [](AboutDialog* a) { QTest::keyClick(a, Qt::Key_Return); }},
        {"title bar", [](AboutDialog* a) { a->close(); }},
    };
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        ed->aboutAction->trigger();
        AboutDialog* a = Forms::IfLoaded<AboutDialog>();
        ASSERT_NE(a, nullptr);
        // As a message box: its one stop is OK, and the dialog carries its text.
        EXPECT_EQ(a->focusWidget(), a->okButton);
        EXPECT_EQ(a->textLabel->focusPolicy(), Qt::NoFocus);
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(a)
                        ->text(QAccessible::Description)
                        .startsWith("Varnel Ticora V1.0\n\nFeel free to be the sponsore"));
        close(a);
        ProcessDeletions();
        EXPECT_EQ(Forms::IfLoaded<AboutDialog>(), nullptr);
        EXPECT_FALSE(App::EndRequested());
        EXPECT_TRUE(Session::Current().Clock().Minute().isRunning()); // the game goes on, its file too
    }
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(AboutHelpTest, HelpOpensAtTheContentsTheDesksTopicAndTheFocusedWindowsTopic)
{
    ed->helpAction->trigger();
    ASSERT_NE(help(), nullptr);
    EXPECT_TRUE(help()->isVisible());
    EXPECT_TRUE(help()->topicText->toPlainText().startsWith("Contents"));
    startGame("Reader");
    setClock(at(0, 10, 0));
    ed->tradeAction->trigger();
    QTest::mouseClick(Forms::IfLoaded<TradingDesk>()->helpButton, Qt::LeftButton);
    EXPECT_EQ(help()->CurrentTopic(), 7);
    EXPECT_TRUE(help()->topicText->toPlainText().startsWith("The Trading desk"));
    ed->transactionsAction->trigger(); // Transactions
    QWidget* grid = FindForm("TransactionsWindow")->findChild<QWidget*>("grid");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F1);
    EXPECT_EQ(help()->CurrentTopic(), 9);
    ed->clockMenu->popup(QPoint()); // an open menu has the keys: its topic
    QTest::keyClick(ed->clockMenu, Qt::Key_F1);
    EXPECT_EQ(help()->CurrentTopic(), 18);
    ed->clockMenu->hide();
    help()->topicsList->setCurrentRow(2); // choosing another topic from the list shows it
    EXPECT_EQ(help()->CurrentTopic(), 2);
    EXPECT_TRUE(msgs.messages.empty());
    // In German, the German help at the same topic.
    ASSERT_TRUE(QFile::copy(BuiltPath(TICORA_HELP_FILE).replace(".hlp", "_de.hlp"), path("zolthelp_de.hlp")));
    App::InstallTranslations(QLocale(QLocale::German));
    App::SetHelpFile(App::HelpFileInLanguage());
    QTest::keyClick(ed, Qt::Key_F1);
    EXPECT_TRUE(help()->topicText->toPlainText().startsWith("Inhalt"));
    App::InstallTranslations(QLocale(QLocale::English));
    App::SetHelpFile(App::HelpFileInLanguage());
    QFile::remove(path("zolthelp.hlp"));
    QTest::keyClick(ed, Qt::Key_F1);
    EXPECT_EQ(msgs.texts(),
        QStringList(QString("The help cannot be shown: the help file %1 cannot be found.")
                        .arg(QDir::toNativeSeparators(path("zolthelp.hlp")))));
}

TEST(HelpFile, ADamagedHelpFileSaysWhyAndTheShippedOneHasATopicForEveryWindow)
{
    const std::pair<QByteArray, const char*> cases[] = {
        {QByteArray("\xff\xfe\x00\x01garbage", 11), "is not a text file"},
        {"just some words\n", "has text before its first topic"},
        {"[topic 3] Three\ntext\n", "has no contents page (topic 0)"},
        {"[topic 0] A\n[topic 0] B\n", "has topic 0 twice"},
        {"; a comment\n", "holds no topic"},
    };
    for (const auto& [bytes, why] : cases) {
        const Help::Parsed h = Help::ParseText(bytes);
        EXPECT_EQ(h.error, why);
        EXPECT_TRUE(h.topics.empty());
    }
    const Help::Parsed ok = Help::ParseText("; comment\n[topic 0] Contents\nsee [topic 2]\n[topic 2] Two\ntext\n");
    ASSERT_EQ(ok.error, "");
    EXPECT_EQ(ok.topics.size(), 2u);
    EXPECT_EQ(ok.topics.at(2).title, "Two");
    auto shipped = [](const QString& file) {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        return Help::ParseText(f.readAll());
    };
    const Help::Parsed h = shipped(BuiltPath(TICORA_HELP_FILE));
    ASSERT_EQ(h.error, "");
    for (int topic = 0; topic <= 19; ++topic)
        EXPECT_TRUE(h.topics.count(topic)) << topic;
    // Every language's help has the same topics, by their numbers.
    const Help::Parsed de = shipped(BuiltPath(TICORA_HELP_FILE).replace(".hlp", "_de.hlp"));
    ASSERT_EQ(de.error, "");
    for (const auto& [topic, _] : h.topics)
        EXPECT_TRUE(de.topics.count(topic)) << topic;
    EXPECT_EQ(de.topics.size(), h.topics.size());
    for (const char* m : {"Varnel Stock Exchange is closed at the moment.", "You must enter a valid units amount.",
             "Choose transaction type", "You don't have this number of stock", "This stock already exist in your game!",
             "Fill the necessary information", "No changes were made!", "You have no short position in"})
        EXPECT_TRUE(h.topics.at(12).text.contains(QString::fromUtf8(m))) << m;
}
