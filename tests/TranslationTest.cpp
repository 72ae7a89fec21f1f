// The program in the player's language: every catalogue whole, no text that
// escapes it, and the same files whatever the language.
#include "data/OrderBook.h"
#include "support/GameFixture.h"
#include "trading/frmOrders.h"
#include <QXmlStreamReader>

namespace {
/// A translation of one source text in a catalogue.
struct Entry {
    QString context, source, comment;
    QStringList forms; ///< one, or each numerus form
    bool unfinished = false, gone = false;
};

std::vector<Entry> ReadCatalogue(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<Entry> out;
    QXmlStreamReader x(&f);
    QString context;
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (x.name() == u"name")
            context = x.readElementText();
        else if (x.name() == u"message")
            out.push_back({context});
        else if (x.name() == u"source")
            out.back().source = x.readElementText();
        else if (x.name() == u"translatorcomment")
            out.back().comment = x.readElementText();
        else if (x.name() == u"translation") {
            const QString type = x.attributes().value(QStringLiteral("type")).toString();
            out.back().unfinished = type == u"unfinished";
            out.back().gone = type == u"vanished" || type == u"obsolete";
            if (x.readNext() == QXmlStreamReader::Characters && !x.text().trimmed().isEmpty())
                out.back().forms << x.text().toString();
        } else if (x.name() == u"numerusform")
            out.back().forms << x.readElementText();
    }
    EXPECT_FALSE(x.hasError()) << x.errorString().toStdString();
    return out;
}

/// Wraps every text it is asked for in markers: a text shown without them escaped the catalogue.
class Pseudo : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QStringLiteral("[· ") + QString::fromUtf8(source) + QStringLiteral(" ·]");
    }
    bool isEmpty() const override { return false; }
};
} // namespace

TEST(Catalogues, EveryEntryIsFinishedKeepsItsPlaceholdersAndDiffersFromItsSourceUnlessMarkedSame)
{
    const QDir dir(QStringLiteral(TICORA_TRANSLATIONS_DIR));
    const QStringList files = dir.entryList({"ticora_*.ts"});
    ASSERT_TRUE(files.contains("ticora_de.ts"));
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+|n)"));
    for (const QString& file : files) {
        for (const Entry& e : ReadCatalogue(dir.filePath(file))) {
            SCOPED_TRACE((file + " " + e.context + ": " + e.source).toStdString());
            EXPECT_FALSE(e.unfinished);
            EXPECT_FALSE(e.gone);
            ASSERT_FALSE(e.forms.isEmpty());
            for (const QString& form : e.forms) {
                EXPECT_FALSE(form.trimmed().isEmpty());
                for (auto m = placeholder.globalMatch(e.source); m.hasNext();) {
                    const QString p = m.next().captured(0);
                    // A numerus form for one may say the number in words.
                    if (p != "%n" || e.forms.size() == 1)
                        EXPECT_TRUE(form.contains(p)) << p.toStdString() << " in " << form.toStdString();
                }
                if (e.comment != "same on purpose" && e.forms.size() == 1)
                    EXPECT_NE(form, e.source);
            }
        }
    }
}

class TranslationTest : public OpenGameTest {
protected:
    void TearDown() override
    {
        QCoreApplication::removeTranslator(&pseudo);
        App::InstallTranslations(QLocale(QLocale::English));
        OpenGameTest::TearDown();
    }
    /// Every text a widget shows or a screen reader hears, that is not a value.
    static QStringList textsOf(QWidget* w)
    {
        QStringList out{w->windowTitle(), w->toolTip(), w->accessibleName(), w->accessibleDescription()};
        if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
            out << l->text(); // a title; a label with no box is a value
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            out << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w))
            out << g->title();
        if (auto* m = qobject_cast<QMenu*>(w))
            for (QAction* a : m->actions())
                out << a->text();
        if (auto* t = qobject_cast<QTableWidget*>(w))
            for (int c = 0; c < t->columnCount(); ++c)
                out << (t->horizontalHeaderItem(c) ? t->horizontalHeaderItem(c)->text() : QString());
        return out;
    }
    Pseudo pseudo;
};

TEST_F(TranslationTest, UnderAPseudoLanguageNoTextEscapesTheCatalogue)
{
    App::RemoveTranslations();
    QCoreApplication::installTranslator(&pseudo);
    for (QWidget* w : Forms::Loaded())
        Forms::Unload(w);
    ProcessDeletions();
    ed = &Forms::Get<frmEditor>();
    startGame("Pia");
    setClock(at(0, 10, 0));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TICORA_HELP_FILE), path("zolthelp.hlp")));
    trade("ALDR", "5", "Buy");
    trade("ALDR", "abc", "Buy");
    for (QMenu* m : {ed->mnuAsset, ed->mnuAnalyze, ed->mnuTools})
        for (QAction* a : m->actions())
            if (!a->isSeparator())
                a->trigger();
    Module1::ShowStockChart();
    GameShell::ShowHelp(0);
    ed->mnuAboutItem(3)->trigger();
    ed->mnuClockItem(0)->trigger();
    ScriptDraws({100});
    Module1::MarketTick();
    // Values the player typed or the market holds are no texts to translate.
    static const QRegularExpression value(QStringLiteral("^[-+\\d\\s.,:%()/]*$"));
    const QStringList symbols = {"ALDR", "Pia", "Aldren Mining"};
    QStringList escaped;
    for (QWidget* window : Forms::Loaded()) {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets << window;
        for (QWidget* w : widgets)
            for (const QString& t : textsOf(w))
                if (!t.isEmpty() && !t.contains("[·") && !value.match(t).hasMatch() && !symbols.contains(t))
                    escaped << window->objectName() + "/" + w->objectName() + ": " + t;
    }
    for (QMenu* m : ed->menuBar()->findChildren<QMenu*>())
        for (const QString& t : textsOf(m))
            if (!t.isEmpty() && !t.contains("[·"))
                escaped << m->objectName() + ": " + t;
    for (const QString& t : msgs.texts())
        if (!t.contains("[·"))
            escaped << "message: " + t;
    escaped.removeDuplicates();
    EXPECT_EQ(escaped, QStringList());
}

TEST_F(TranslationTest, AGermanPlayerTradesAndOrdersAsAnEnglishOneAndTheFilesAreTheSame)
{
    auto play = [this](const QString& player) {
        startGame(player);
        setClock(at(0, 10, 0));
        for (const char* type : {"Buy", "Sell", "Sell short", "Cover short"})
            trade("ALDR", "2", type);
        ed->mnuAssetitem(3)->trigger();
        frmOrders* f = Forms::IfLoaded<frmOrders>();
        ChooseByKey(f->Combo1, "BRKW");
        f->quantity->setText("3");
        f->optBuybutton->setChecked(true);
        f->optBelow->setChecked(true);
        f->txtPrice->setText("1");
        QTest::mouseClick(f->cmdPlace, Qt::LeftButton);
        f->MSFlexGrid1->setCurrentCell(0, 0);
        QTest::mouseClick(f->cmdCancelOrder, Qt::LeftButton);
        const QString file = path(player + ".sav");
        return RawRows(file, "SELECT * FROM Traderesult") +
            RawRows(file, "SELECT Symbol, Type, Condition, Price, Units, State, Note FROM Orders");
    };
    const QStringList english = play("En");
    ASSERT_EQ(english.size(), 5);
    EXPECT_EQ(App::InstallTranslations(QLocale(QLocale::German, QLocale::Germany)), "de");
    for (QWidget* w : Forms::Loaded())
        if (w != ed)
            Forms::Unload(w);
    ProcessDeletions();
    EXPECT_EQ(play("De"), english);
    EXPECT_TRUE(msgs.texts().last().startsWith("Sie haben 2 Stück ALDR zum Kurs "))
        << msgs.texts().last().toStdString();
}
