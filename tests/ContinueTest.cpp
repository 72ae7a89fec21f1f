// A game the program never closed is offered at the next start and continues
// with every trade; files that are no game are named and left alone.
#include "support/GameFixture.h"

class ContinueTest : public GameTest {
protected:
    /// The dialog as start-up offers it; none when nothing is offered.
    ContinueDialog* offered()
    {
        ed->OfferSavedGames(false);
        ProcessDeletions();
        ContinueDialog* d = Forms::IfLoaded<ContinueDialog>();
        if (d)
            QApplication::setActiveWindow(d); // where the keys go
        return d;
    }
    /// A game the program left open: its file stays behind a New.
    void leaveGame(const QString& name, const QString& units)
    {
        startGame(name);
        setClock(at(0, 10, 0));
        trade("ALDR", units, "Buy");
        Forms::Unload(Forms::IfLoaded<TradingDesk>());
    }
    QString balance()
    {
        const BalanceWindow& b = Opened<BalanceWindow>();
        return b.cashBox->text() + "|" + b.stocksBox->text() + "|" + b.balanceBox->text();
    }
};

TEST_F(ContinueTest, AGameLeftOpenContinuesWithEveryTradeAfterItsLastRowAndANewGameCountsItsOwnDay)
{
    leaveGame("Ann", "10");
    trade("BRKW", "4", "Buy");
    ScriptDraws({100});
    setClock(at(0, 11, 20));
    Tick(); // a row at 11:20
    const QString before = balance();
    Session::Current().Close(); // as a crash leaves it, the file in place
    ContinueDialog* d = offered();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isModal());
    EXPECT_TRUE(d->gamesList->item(0)->text().startsWith("Ann: 2 trades, cash ")) << d->Games()[0].Line().toStdString();
    QTest::keyClick(d->gamesList, Qt::Key_Return);
    expectGame(true);
    EXPECT_EQ(balance(), before); // every trade in its file
    EXPECT_EQ(Session::Current().Clock().Time(), at(0, 11, 20)); // the status bar says where it goes on
    Minute();
    Tick();
    const QStringList times = RawRows(path("Ann.sav"), "SELECT Time FROM Worth");
    EXPECT_EQ(times.value(times.size() - 1), at(0, 11, 21).toString("yyyy-MM-dd HH:mm:ss"));
    QStringList inOrder = times;
    std::sort(inOrder.begin(), inOrder.end());
    EXPECT_EQ(times, inOrder); // no row earlier than the one before
    EXPECT_NE(ed->glance->todayBox->text(), "0 (0.00 %)"); // Ann's day: ALDR rose
    startGame("Bob");
    EXPECT_EQ(ed->glance->todayBox->text(), "0 (0.00 %)");
}

TEST_F(ContinueTest, NotNowAndDeleteChangeOnlyWhatThePlayerChose)
{
    leaveGame("Ann", "10");
    leaveGame("Bob", "20"); // a New over an open game leaves the first behind
    msgs.answers.push_back(Ui::Answer::Yes);
    ed->closeAction->trigger(); // Bob's is closed for good
    leaveGame("Cy", "30");
    Session::Current().Close(); // as a crash leaves it, the file in place
    const QStringList files = folderFiles();
    const auto before = fileBytes("Ann.sav");

    ContinueDialog* d = offered();
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(d->gamesList->count(), 2);
    QTest::keyClick(d->gamesList, Qt::Key_Escape);
    ProcessDeletions();
    EXPECT_EQ(Forms::IfLoaded<ContinueDialog>(), nullptr) << "Not now";
    EXPECT_EQ(folderFiles(), files);
    EXPECT_EQ(fileBytes("Ann.sav"), before);
    expectGame(false);

    d = offered(); // asked again at the next start
    ASSERT_NE(d, nullptr);
    d->gamesList->setCurrentRow(1);
    msgs.messages.clear();
    msgs.answers = {Ui::Answer::No, Ui::Answer::Yes};
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(d->deleteButton, Qt::LeftButton);
    ASSERT_EQ(msgs.messages.size(), 2);
    EXPECT_EQ(msgs.texts()[0], "Delete the game of Cy for good?");
    EXPECT_TRUE(msgs.messages[0].defaultSecond) << "No is the default";
    EXPECT_FALSE(QFile::exists(path("Cy.sav")));
    EXPECT_EQ(fileBytes("Ann.sav"), before);
    ASSERT_EQ(d->gamesList->count(), 1);
    EXPECT_TRUE(d->gamesList->item(0)->text().startsWith("Ann: 1 trade, "));
}

TEST_F(ContinueTest, AFileThatIsNoGameIsNamedCannotBeContinuedAndIsLeftAsItWas)
{
    leaveGame("Ann", "10");
    Session::Current().Close();
    ASSERT_TRUE(QFile::copy(path("Ann.sav"), path("NoResult.SAV")));
    RawRows(path("NoResult.SAV"), "DROP VIEW Result"); // a game's file without one of its queries
    QFile junk(path("junk.sav"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    ASSERT_EQ(junk.write(QByteArray(4096, 'x')), 4096);
    junk.close();
    const std::map<QString, std::optional<QByteArray>> before = {
        {"NoResult.SAV", fileBytes("NoResult.SAV")}, {"junk.sav", fileBytes("junk.sav")}};

    ContinueDialog* d = offered();
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(d->gamesList->count(), 3);
    for (int row : {1, 2}) {
        const QString file = d->Games()[size_t(row)].fileName;
        SCOPED_TRACE(file.toStdString());
        EXPECT_TRUE(d->gamesList->item(row)->text().startsWith(file + ": cannot be continued: it is damaged"));
        d->gamesList->setCurrentRow(row);
        msgs.messages.clear();
        QTest::mouseClick(d->continueButton, Qt::LeftButton);
        ASSERT_EQ(msgs.texts().size(), 1);
        EXPECT_TRUE(msgs.texts()[0].startsWith("The game in \"" + file + "\" cannot be continued"));
        EXPECT_TRUE(msgs.texts()[0].endsWith("restore it from a backup copy, or delete it."));
        expectGame(false);
        dao::releaseAll();
        EXPECT_EQ(fileBytes(file), before.at(file));
    }
}
