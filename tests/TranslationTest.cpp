// The program in the player's language: every catalogue whole, no text that
// escapes it, and the same files whatever the language.
#include "data/OrderBook.h"
#include "support/GameFixture.h"
#include "trading/OrdersWindow.h"
#include <QXmlStreamReader>

namespace {
/// A translation of one source text in a catalogue.
struct Entry {
    QString source, comment, type; ///< type: "unfinished", "vanished", "obsolete" or none
    QStringList forms; ///< one, or each numerus form
};

std::vector<Entry> ReadCatalogue(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<Entry> out;
    QXmlStreamReader x(&f);
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (x.name() == u"message")
            out.push_back({});
        else if (x.name() == u"source")
            out.back().source = x.readElementText();
        else if (x.name() == u"translatorcomment")
            out.back().comment = x.readElementText();
        else if (x.name() == u"translation") {
            out.back().type = x.attributes().value(QStringLiteral("type")).toString();
            if (x.readNext() == QXmlStreamReader::Characters && !x.text().trimmed().isEmpty())
                out.back().forms << x.text().toString();
        } else if (x.name() == u"numerusform")
            out.back().forms << x.readElementText();
    }
    EXPECT_FALSE(x.hasError()) << x.errorString().toStdString();
    return out;
}

} // namespace

TEST(Catalogues, EveryEntryIsFinishedKeepsItsPlaceholdersAndDiffersFromItsSourceUnlessMarkedSame)
{
    const QDir dir(BuiltPath(TICORA_TRANSLATIONS_DIR));
    const QStringList files = dir.entryList({"ticora_*.ts"});
    ASSERT_TRUE(files.contains("ticora_de.ts"));
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+|n)"));
    for (const QString& file : files) {
        for (const Entry& e : ReadCatalogue(dir.filePath(file))) {
            SCOPED_TRACE((file + ": " + e.source).toStdString());
            if (file == "ticora_en.ts" && e.type == "unfinished" && e.forms.isEmpty())
                continue; // English shows its source text
            EXPECT_EQ(e.type, "");
            ASSERT_FALSE(e.forms.isEmpty());
            for (const QString& form : e.forms) {
                EXPECT_FALSE(form.trimmed().isEmpty());
                for (auto m = placeholder.globalMatch(e.source); m.hasNext();) {
                    const QString p = m.next().captured(0);
                    // A numerus form for one may say the number in words.
                    if (p != "%n" || e.forms.size() == 1) {
                        EXPECT_TRUE(form.contains(p)) << p.toStdString() << " in " << form.toStdString();
                    }
                }
                if (e.comment != "same on purpose" && e.forms.size() == 1) {
                    EXPECT_NE(form, e.source);
                }
            }
        }
    }
}

class TranslationTest : public OpenGameTest {
protected:
    void TearDown() override
    {
        App::InstallTranslations(QLocale(QLocale::English));
        OpenGameTest::TearDown();
    }
};

TEST_F(TranslationTest, AGermanPlayerTradesAndOrdersAsAnEnglishOneAndTheFilesAreTheSame)
{
    auto play = [this](const QString& player) {
        startGame(player);
        setClock(at(0, 10, 0));
        for (const char* type : {"Buy", "Sell", "Sell short", "Cover short"})
            trade("ALDR", "2", type);
        ed->ordersAction->trigger();
        OrdersWindow* f = Forms::IfLoaded<OrdersWindow>();
        ChooseByKey(f->stockList, "BRKW");
        f->unitsBox->setText("3"), f->priceBox->setText("1");
        f->buyButton->setChecked(true), f->belowButton->setChecked(true);
        QTest::mouseClick(f->placeButton, Qt::LeftButton);
        f->grid->SetCurrentCell(0, 0);
        QTest::mouseClick(f->cancelOrderButton, Qt::LeftButton);
        const QString file = path(player + ".sav");
        return RawRows(file, "SELECT * FROM Traderesult") +
            RawRows(file, "SELECT Symbol, Type, Condition, Price, Units, State, Note FROM Orders");
    };
    const QStringList english = play("En");
    ASSERT_EQ(english.size(), 5);
    EXPECT_EQ(App::InstallTranslations(QLocale(QLocale::German, QLocale::Germany)), "de");
    EXPECT_EQ(play("De"), english);
    EXPECT_TRUE(msgs.texts().last().startsWith("Sie haben 2 Stück ALDR zum Kurs "))
        << msgs.texts().last().toStdString();
}
