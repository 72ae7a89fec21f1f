#include "support/GameFixture.h"
#include <gmock/gmock.h>

TEST(PlainText, WritesNumbersWithoutGroupingOrFixedDecimalsInTheLocalesForm)
{
    const std::pair<double, const char*> cases[] = {{20 * 102.505 / 100, "20.501"}, {500000 - 123.4, "499876.6"},
        {100, "100"}, {-7, "-7"}, {999999999999999.0, "999999999999999"}, {1e15, "1E+15"}, {-0.0, "0"},
        {0.1 + 0.2, "0.3"}, {123456789012345678.0, "1.23456789012346E+17"}, {1e-7, "1E-7"},
        {-1.7976931348623157e308, "-1.7976931348623157E+308"}};
    for (const auto& [v, text] : cases)
        EXPECT_EQ(Numbers::PlainText(v), text) << text;
    const std::pair<double, const char*> four[] = {{12.34, "12.3400"}, {1.23456, "1.2346"}, {-0.00001, "0.0000"}};
    for (const auto& [v, text] : four)
        EXPECT_EQ(Numbers::FormatFourDecimals(v), text);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Numbers::PlainText(499876.6), "499876,6");
    EXPECT_EQ(dao::parseNumber("1.234"), 1.234) << "stored text is read the same on every desktop";
    EXPECT_EQ(Numbers::PlainText(dao::Value(dao::Currency::fromTicks(123400))), "12,34");
    EXPECT_EQ(Numbers::FormatFourDecimals(12.34), "12,3400");
    QLocale::setDefault(QLocale::c());
}

TEST(TypedNumbers, AreReadWholeInThePlayersFormatAndTheDesksUnitsElseByTheirLeadingNumber)
{
    using Read = std::optional<double>;
    // Typed; read whole (every box) on an English and a German desktop; read as the desk's units on each.
    const std::tuple<const char*, Read, Read, double, double> cases[] = {{"12.5", 12.5, {}, 12.5, 12.5},
        {"12,5", {}, 12.5, 12, 12.5}, {"1.000", 1, 1000, 1, 1000}, {"1,000", 1000, 1, 1000, 1},
        {"12.500", 12.5, 12500, 12.5, 12500}, {"12.50", 12.5, {}, 12.5, 12.5}, {"1e3", 1000, 1000, 1000, 1000},
        {" 1 0 ", 10, 10, 10, 10}, {"1.000.000", {}, 1e6, 1, 1e6}, {"10abc", {}, {}, 10, 10}, {"nan", {}, {}, 0, 0},
        {"&HFF", {}, {}, 255, 255}, {"", {}, {}, 0, 0}};
    for (const auto& [text, english, german, englishUnits, germanUnits] : cases) {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(Numbers::ReadWhole(text), english) << text;
        EXPECT_EQ(Numbers::ReadTyped(text), englishUnits) << text;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_EQ(Numbers::ReadWhole(text), german) << text;
        EXPECT_EQ(Numbers::ReadTyped(text), germanUnits) << text;
    }
    QLocale::setDefault(QLocale::c());
}

TEST(Val, ReadsTheLeadingNumber)
{
    const std::pair<const char*, double> cases[] = {{"10abc", 10}, {"1 0", 10}, {"2.5", 2.5}, {"abc", 0}, {"", 0},
        {"&HFF", 255}, {"&o17", 15}, {"  -5", -5}, {"+7", 7}, {"1.5E-1x", 0.15}, {"\t1\n2", 12}, {".5", 0.5}, {"-", 0},
        {"1e", 1}, {"12.34.5", 12.34}, {"1d2", 100}};
    for (const auto& [text, v] : cases)
        EXPECT_DOUBLE_EQ(Numbers::Val(QString::fromUtf8(text)), v) << text;
    EXPECT_TRUE(std::isinf(Numbers::Val("1e999")));
}

TEST(PriceFactor, APriceOf40MovesToTheWorkedFigureOfEachBracketsEdges)
{
    // The draws from, to, what a price of 40 becomes, and the volume step.
    const std::tuple<int, int, const char*, int> table[] = {{95, 100, "41.002", 100}, {90, 94, "40.842", 100},
        {85, 89, "40.702", 100}, {80, 84, "40.602", 100}, {75, 79, "40.502", 100}, {70, 74, "40.402", 100},
        {65, 69, "40.702", 100}, {55, 64, "40.202", 100}, {50, 54, "40.102", 100}, {45, 49, "39.9", 1000},
        {40, 44, "39.8", 1000}, {35, 39, "39.7", 1000}, {30, 34, "39.6", 1000}, {25, 29, "39.5", 1000},
        {20, 24, "39.4", 1000}, {15, 19, "39.3", 1000}, {10, 14, "39.16", 1000}, {1, 9, "39", 1000}};
    for (const auto& [from, to, price, step] : table)
        for (int r : {from, to}) {
            EXPECT_EQ(dao::Currency::fromDouble(40 * Market::PriceFactor(r) / 100).toPlainString(), price) << "r=" << r;
            EXPECT_EQ(Market::VolumeStep(r), step) << "r=" << r;
        }
    EXPECT_THAT(Market::DrawR(), ::testing::AllOf(::testing::Ge(1), ::testing::Le(100)));
}

TEST(Failure, SaysWhyInAPlayersWordsWithTheEnginesAfterThemAndWhatToDo)
{
#ifdef Q_OS_WIN
    const int kNoRoom = 112; // ERROR_DISK_FULL
#else
    const int kNoRoom = EFBIG; // a file-size limit: no room either
#endif
    const QString file = QDir::tempPath() + "/Ann.sav", folder = QDir::toNativeSeparators(QDir::tempPath()),
                  shownFile = QDir::toNativeSeparators(file);
    const std::pair<dao::Error, QString> cases[] = {
        {dao::Error("database or disk is full", SQLITE_FULL, file),
            "the disk that holds " + folder + " is full (database or disk is full). Free some space on it."},
        {dao::Error("disk I/O error", SQLITE_IOERR_WRITE, file, kNoRoom), // no room, as the system says it
            "the disk that holds " + folder + " is full (disk I/O error). Free some space on it."},
        {dao::Error("database is locked", SQLITE_BUSY, file),
            "the file " + shownFile + " is in use by another program (database is locked). Close the other program."},
        {dao::Error("file is not a database", SQLITE_NOTADB, file),
            "the file " + shownFile + " is damaged (file is not a database). Restore it from a backup copy."},
        {dao::Error("no such table: GONE", SQLITE_ERROR, file), "no such table: GONE (" + shownFile + ")"},
    };
    for (const auto& [error, why] : cases)
        EXPECT_EQ(Ui::Failure("It failed", error), "It failed: " + why);
    EXPECT_EQ(Ui::Failure("It failed", std::runtime_error("bad")), "It failed: bad");
}

TEST(MessageBox, LongWordsWrapInsteadOfBeingCutAndTheTextStaysExactlyAsWritten)
{
    const QString text = "The name \"" + QString(200, 'W') + "\" cannot be used: its file /home/player/" +
        QString(40, 'd') + "/stocks.tqs is long too.";
    const auto box = Ui::MessageBox({text, Ui::Buttons::OK, Ui::Icon::Exclamation, "Add Asset"});
    box->show();
    auto* shown = box->findChild<QTextEdit*>("messageText");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name), shown->toPlainText());
    EXPECT_EQ(shown->toPlainText(), text);
    const QSizeF needed = shown->document()->size();
    EXPECT_LE(needed.width(), shown->viewport()->width());
    EXPECT_LE(needed.height(), shown->viewport()->height());
    QApplication::setActiveWindow(box.get());
    QApplication::clipboard()->clear();
    QTest::keySequence(box->buttons().value(0), QKeySequence::Copy); // the focus on OK
    EXPECT_EQ(QApplication::clipboard()->text(), text);
}
