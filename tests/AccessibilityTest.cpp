// How every window presents itself to a screen reader and answers the keyboard.
#include "support/GameFixture.h"

const char* const kWindows[] = {"Form1", "Form3", "Form4", "Form5", "Form6", "Form7", "Form9", "Form10", "Form11",
    "Form13", "frmAbout", "frmHelp", "frmPerformance", "frmContinue", "frmOrders", "frmNews", "frmHallOfFame"};

class AccessibilityTest : public OpenGameTest {
protected:
    void SetUp() override
    {
        OpenGameTest::SetUp();
        ASSERT_TRUE(QFile::copy(BuiltPath(TICORA_HELP_FILE), path("zolthelp.hlp")));
        ed->show();
        logTrade("ALDR", 10, 5, -50);
    }
    /// Opens a window by its form name as the player would, and makes it the active one.
    QWidget* open(const QString& name)
    {
        if (name == "Form2")
            ed->mnuFileItem(0)->trigger();
        else if (name == "Form10")
            Module1::ShowStockChart();
        else if (name == "frmHelp")
            GameShell::ShowHelp(0);
        else if (name == "frmAbout")
            ed->mnuAboutItem(3)->trigger();
        else if (name == "frmContinue") // a game left behind, to be offered
            QFile::copy(path("Trader.sav"), path("Left.sav")), ed->OfferSavedGames(true);
        else if (name == "Form13")
            GameShell::ShowWindow<Form13>();
        else // each window by the menu entry that shows it
            std::map<QString, QAction*>{{"Form1", ed->mnuAssetitem(0)}, {"Form4", ed->mnuAssetitem(1)},
                {"Form9", ed->mnuAssetitem(2)}, {"Form3", ed->mnuAnalyzeItem(0)}, {"Form5", ed->mnuAnalyzeItem(1)},
                {"Form11", ed->mnuAnalyzeItem(2)}, {"frmPerformance", ed->mnuAnalyzeItem(3)},
                {"frmOrders", ed->mnuAssetitem(3)}, {"frmNews", ed->mnuAssetitem(4)},
                {"frmHallOfFame", ed->mnuFileItem(2)}, {"Form6", ed->mnuToolsItem(0)}, {"Form7", ed->mnuToolsItem(1)}}
                .at(name)
                ->trigger();
        QWidget* w = FindForm(name);
        if (w) {
            w->activateWindow();
            QApplication::setActiveWindow(w);
        }
        return w;
    }
    /// Every window, the Information window last, over the open game.
    void openEveryWindow()
    {
        for (const char* name : kWindows)
            open(name);
        open("Form2");
    }
    static void key(QWidget* w, Qt::Key k)
    {
        w->setFocus();
        QTest::keyClick(w, k);
        ProcessDeletions();
    }
    /// What is wrong with how one window presents itself, a line per fault.
    static QStringList faults(QWidget* window)
    {
        QStringList out;
        QAccessibleInterface* w = QAccessible::queryAccessibleInterface(window);
        if (!w || (w->role() != QAccessible::Window && w->role() != QAccessible::Dialog) ||
            w->text(QAccessible::Name) != window->windowTitle())
            out << "not announced as a window with its caption";
        for (QWidget* c : window->findChildren<QWidget*>()) {
            // A combo box's parts and a scroll area's viewport are named through
            // their owner, but for the text field a screen reader lands on.
            auto* area = qobject_cast<QAbstractScrollArea*>(c->parentWidget());
            if (!c->isVisibleTo(window) || c->window() != window || (area && area->viewport() == c) ||
                (qobject_cast<QComboBox*>(c->parentWidget()) && !qobject_cast<QLineEdit*>(c)))
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
            const QString id = c->metaObject()->className() + QStringLiteral(" ") + c->objectName();
            const QString name = a->text(QAccessible::Name);
            if (((c->focusPolicy() & Qt::TabFocus) || qobject_cast<QLineEdit*>(c)) && name.trimmed().isEmpty())
                out << id + " can take the focus but has no name";
            if (auto* b = qobject_cast<QAbstractButton*>(c)) {
                const QStringList can = a->actionInterface() ? a->actionInterface()->actionNames() : QStringList();
                if (!can.contains(QAccessibleActionInterface::pressAction()) &&
                    !(b->isCheckable() && can.contains(QAccessibleActionInterface::toggleAction())))
                    out << id + " cannot be pressed";
            }
            if (auto* l = qobject_cast<QLabel*>(c); l && !l->text().isEmpty() && l->pixmap().isNull()) {
                const QString shown = QString(l->text()).remove('&');
                if (!name.contains(shown) && !a->text(QAccessible::Value).contains(shown))
                    out << id + " hides its text '" + shown + "' behind '" + name + "'";
            }
            int from = -1, to = -1; // a screen reader builds the text it speaks from these runs
            if (auto* e = qobject_cast<QLineEdit*>(c); e && a->textInterface())
                if (a->textInterface()->attributes(0, &from, &to), from != 0 || to != e->text().size())
                    out << id + QStringLiteral(" tells its text in runs [%1, %2)").arg(from).arg(to);
            if (auto* t = qobject_cast<QTableView*>(c) ? a->tableInterface() : nullptr)
                for (int col = 0; col < t->columnCount(); ++col) {
                    if (bool number = false; t->columnDescription(col).toInt(&number), number)
                        out << id + " names a column by its number";
                    if (t->rowCount() && t->cellAt(t->rowCount() - 1, col)->text(QAccessible::Name).isEmpty())
                        out << id + " reads an empty cell as nothing, not as blank";
                }
        }
        return out;
    }
};

/// Wraps every text it is asked for in markers: a text shown without them escaped the catalogue.
class Pseudo : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QStringLiteral("[· ") + QString::fromUtf8(source) + QStringLiteral(" ·]");
    }
    bool isEmpty() const override { return false; }
};

/// Every text a widget shows or a screen reader hears, but for values.
QStringList TextsOf(QWidget* w)
{
    QStringList out{w->windowTitle(), w->toolTip(), w->accessibleName(), w->accessibleDescription()};
    if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
        out << l->text(); // a title; a label with no box is a value
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        out << b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        out << g->title();
    if (auto* t = qobject_cast<QTableWidget*>(w))
        for (int c = 0; c < t->columnCount(); ++c)
            out << (t->horizontalHeaderItem(c) ? t->horizontalHeaderItem(c)->text() : QString());
    for (QAction* a : qobject_cast<QMenu*>(w) ? w->actions() : QList<QAction*>())
        out << a->text();
    return out;
}

/// WCAG's contrast ratio of two colours, from 1 to 21.
double Contrast(QColor a, QColor b)
{
    auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    auto lum = [&](QColor c) {
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    return (std::max(lum(a), lum(b)) + 0.05) / (std::min(lum(a), lum(b)) + 0.05);
}

/// Each visible text of a window that reads at less than 4.5 : 1 on the colour
/// it is drawn on: a box's or button's own, or the nearest filled one behind it.
QStringList Unreadable(QWidget* window)
{
    QStringList out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool box = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w);
        const bool button = qobject_cast<QPushButton*>(w) || qobject_cast<QHeaderView*>(w);
        const bool onWindow = qobject_cast<QLabel*>(w) || qobject_cast<QRadioButton*>(w) || qobject_cast<QGroupBox*>(w);
        if (!w->isVisibleTo(window) || w->window() != window || !(box || button || onWindow))
            continue;
        QWidget* behind = w;
        while (onWindow && !behind->autoFillBackground() && !behind->isWindow())
            behind = behind->parentWidget();
        const QPalette::ColorGroup g = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
        using P = QPalette;
        const auto [fg, bg] = box ? std::pair(P::Text, P::Base)
            : button              ? std::pair(P::ButtonText, P::Button)
                                  : std::pair(P::WindowText, behind->backgroundRole());
        const QColor text = w->palette().color(g, fg), ground = behind->palette().color(g, bg);
        if (Contrast(text, ground) < 4.5)
            out << QStringLiteral("%1 %2: %3 on %4")
                       .arg(w->metaObject()->className(), w->objectName(), text.name(), ground.name());
    }
    return out;
}

TEST_F(AccessibilityTest, EveryWindowNamesItsControlsAndExposesItsValues)
{
    Module1::AdvanceClock(); // the clock shows a time
    openEveryWindow();
    ASSERT_EQ(Forms::Loaded().size(), 19);
    for (QWidget* w : Forms::Loaded()) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(faults(w), QStringList());
    }
    // What each kind of window presents besides: the windows that ask something
    // as dialogs, and what a sighted player reads, within reach of Tab.
    const std::tuple<const char*, QAccessible::Role, QStringList> kinds[] = {
        {"Form2", QAccessible::Dialog, {"playername", "fsumma"}}, {"Form6", QAccessible::Dialog, {"Text1"}},
        {"Form7", QAccessible::Dialog, {"editstock"}}, {"frmAbout", QAccessible::Dialog, {"cmdAbout"}},
        {"Form11", QAccessible::Window, {"Label1", "MSFlexGrid1"}}, {"Form3", QAccessible::Window, {"cashbalance"}},
        {"frmHelp", QAccessible::Window, {"lstTopics", "txtTopic"}}, {"Form10", QAccessible::Window, {"MSChart1"}},
        {"frmContinue", QAccessible::Dialog, {"lstGames", "cmdNotNow"}},
        {"frmPerformance", QAccessible::Window, {"chtWorth", "MSFlexGrid1"}},
        {"frmOrders", QAccessible::Window, {"Combo1", "quantity", "optBelow", "txtPrice", "cmdCancelOrder"}}};
    for (const auto& [form, role, reachable] : kinds) {
        SCOPED_TRACE(form);
        QWidget* w = FindForm(form);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->role(), role);
        for (const QString& name : reachable) {
            QWidget* c = w->findChild<QWidget*>(name);
            ASSERT_NE(c, nullptr) << name.toStdString();
            EXPECT_TRUE(c->isEnabled()) << name.toStdString();
            EXPECT_TRUE(c->focusPolicy() & Qt::TabFocus) << name.toStdString();
        }
    }
    EXPECT_TRUE(static_cast<frmHelp*>(FindForm("frmHelp"))->txtTopic->textInteractionFlags() &
        Qt::TextSelectableByKeyboard); // read line by line with the arrow keys
    // The clock sits in the status bar, where a screen reader looks for it.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(ed->Picture1)->role(), QAccessible::StatusBar);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(ed->Label1)->parent()->object(), ed->Picture1);
}

TEST_F(AccessibilityTest, EveryTextReadsOnItsBackgroundInALightAndADarkTheme)
{
    const QPalette light = QApplication::palette();
    const QColor nearWhite(0xee, 0xee, 0xee), grey(0x35, 0x35, 0x35), darker(0x2d, 0x2d, 0x2d);
    const QPalette dark(nearWhite, grey, grey.lighter(), darker, grey, nearWhite, Qt::white, darker, grey);
    for (const QPalette& theme : {dark, light}) {
        SCOPED_TRACE(theme.color(QPalette::Window).name().toStdString());
        for (QWidget* w : Forms::Loaded()) // every window made anew in the theme, as on the player's desktop
            Forms::Unload(w);
        ProcessDeletions();
        QApplication::setPalette(theme);
        ed = &Forms::Get<frmEditor>();
        ed->show();
        Module1::AdvanceClock(); // the clock shows a time
        openEveryWindow();
        const auto box = Ui::MessageBox({"The disk is full.", Ui::Buttons::YesNo, Ui::Icon::Critical, "Error"});
        box->show();
        const QList<QWidget*> shown = Forms::Loaded() << box.get();
        for (QWidget* w : shown) {
            SCOPED_TRACE(w->objectName().toStdString());
            EXPECT_EQ(Unreadable(w), QStringList());
        }
    }
}

TEST_F(AccessibilityTest, UnderAPseudoLanguageNoTextEscapesTheCatalogue)
{
    Pseudo pseudo;
    App::RemoveTranslations();
    QCoreApplication::installTranslator(&pseudo);
    for (QWidget* w : Forms::Loaded()) // every window made anew in it
        Forms::Unload(w);
    ProcessDeletions();
    ed = &Forms::Get<frmEditor>();
    trade("ALDR", "abc", "Buy");
    trade("ALDR", "5", "Buy");
    ed->mnuClockItem(0)->trigger();
    Module1::MarketTick(Session::Current().CurrentGame());
    openEveryWindow();
    // Values the player typed or the market holds are no texts to translate.
    static const QRegularExpression value(QStringLiteral("^[-+\\d\\s.,:%()/]*$"));
    QStringList escaped = msgs.texts().filter(QRegularExpression("^(?!\\[·)"));
    QList<QWidget*> widgets = ed->menuBar()->findChildren<QWidget*>();
    for (QWidget* window : Forms::Loaded())
        widgets << window << window->findChildren<QWidget*>();
    for (QWidget* w : widgets)
        for (const QString& t : TextsOf(w))
            if (!t.isEmpty() && !t.contains("[·") && !value.match(t).hasMatch() && t != "ALDR" && t != "Trader")
                escaped << w->window()->objectName() + "/" + w->objectName() + ": " + t;
    escaped.removeDuplicates();
    EXPECT_EQ(escaped, QStringList());
    QCoreApplication::removeTranslator(&pseudo);
    App::InstallTranslations(QLocale(QLocale::English));
}

TEST_F(AccessibilityTest, EscapeCancelsOrClosesEachWindowAndNeverTheGame)
{
    const auto before = stocks().size();
    for (const QString name : {"Form1", "Form2", "Form3", "Form4", "Form6", "Form7", "Form9", "Form10", "frmHelp",
             "frmAbout", "frmPerformance", "frmContinue", "frmOrders", "frmNews", "frmHallOfFame"}) {
        SCOPED_TRACE(name.toStdString());
        QWidget* w = open(name);
        ASSERT_NE(w, nullptr);
        key(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape);
        EXPECT_EQ(FindForm(name), nullptr);
        EXPECT_TRUE(name == "Form10" || !FindForm("Form10")); // the picker's Cancel opened no chart
    }
    EXPECT_EQ(stocks().size(), before);
    expectGame(true);
    EXPECT_FALSE(App::EndRequested());
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(AccessibilityTest, ReturnPressesTheFocusedButtonAndInATextBoxTheWindowsEnter)
{
    // The window, its button, and what the button opens (none: it closes its window).
    const std::array<const char*, 3> buttons[] = {{"Form1", "Command1", "frmHelp"}, {"Form3", "Command1", "Form13"},
        {"Form6", "Command2", nullptr}, {"Form7", "Command2", nullptr}, {"Form9", "Command2", nullptr}};
    for (const auto& [form, button, opens] : buttons) {
        SCOPED_TRACE(form);
        key(open(form)->findChild<QPushButton*>(button), Qt::Key_Return);
        EXPECT_EQ(FindForm(opens ? opens : form) != nullptr, opens != nullptr);
    }
    auto* desk = static_cast<Form1*>(open("Form1"));
    ChooseByKey(desk->Combo1, "ALDR");
    desk->quantity->setText("3");
    desk->optBuybutton->setChecked(true);
    key(desk->quantity, Qt::Key_Return);
    EXPECT_TRUE(msgs.texts().value(0).startsWith("You bought 3 of ALDR")) << msgs.texts().value(0).toStdString();
    auto* pick = static_cast<Form9*>(open("Form9"));
    ChooseByKey(pick->chartstock, "ALDR");
    key(pick->chartstock->lineEdit(), Qt::Key_Return); // a list's text is a text box too
    ASSERT_NE(FindForm("Form10"), nullptr);
    EXPECT_EQ(FindForm("Form10")->windowTitle(), "ALDR");
    auto* add = static_cast<Form6*>(open("Form6"));
    add->Text1->setText("Keyed");
    add->Text2->setText("KEYD");
    add->Text3->setText("4");
    key(add->Text6, Qt::Key_Return);
    EXPECT_EQ(stocks().back().symbol, "KEYD");
}

TEST_F(AccessibilityTest, ATypedSymbolPicksNothingInAnyListAndItsFieldIsNamed)
{
    const std::pair<const char*, const char*> lists[] = {{"Form1", "Stock"}, {"Form9", "Stock"},
        {"Form7", "Choose stock symbol"}}; // and what a screen reader calls the list's text field
    for (const auto& [form, name] : lists) {
        SCOPED_TRACE(form);
        QWidget* w = open(form);
        auto* list = w->findChild<QComboBox*>();
        list->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list, "aldr");
        key(list, Qt::Key_Tab); // leaving the list
        EXPECT_EQ(list->currentText(), "aldr");
        EXPECT_EQ(list->currentIndex(), -1);
        EXPECT_EQ(w->findChild<QLineEdit*>("Text1")->text(), "");
        EXPECT_EQ(QAccessible::queryAccessibleInterface(list->lineEdit())->text(QAccessible::Name), name);
    }
    static_cast<Form9*>(FindForm("Form9"))->Command1->click(); // no stock of that letter case: nothing charted
    EXPECT_EQ(FindForm("Form10"), nullptr);
}
