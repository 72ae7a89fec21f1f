// How every window presents itself to a screen reader and answers the keyboard.
#include "support/GameFixture.h"

const char* const kWindows[] = {"TradingDesk", "BalanceWindow", "PriceBoard", "PositionWindow", "AddAssetDialog", "EditStockDialog", "StockPerformanceDialog", "StockChart", "TransactionsWindow",
    "PortfolioWindow", "AboutDialog", "HelpWindow", "PerformanceWindow", "ContinueDialog", "OrdersWindow", "NewsWindow", "HallOfFameWindow"};

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
        if (name == "NewGameDialog")
            ed->newAction->trigger();
        else if (name == "StockChart")
            Forms::Get<StockChart>().Show("ALDR"), Forms::Get<StockChart>().show();
        else if (name == "HelpWindow")
            GameShell::ShowHelp(0);
        else if (name == "AboutDialog")
            ed->aboutAction->trigger();
        else if (name == "ContinueDialog") // a game left behind, to be offered
            QFile::copy(path("Trader.sav"), path("Left.sav")), ed->OfferSavedGames(true);
        else if (name == "PortfolioWindow")
            GameShell::ShowWindow<PortfolioWindow>();
        else // each window by the menu entry that shows it
            std::map<QString, QAction*>{{"TradingDesk", ed->tradeAction}, {"PriceBoard", ed->pricesAction},
                {"StockPerformanceDialog", ed->chartAction}, {"BalanceWindow", ed->balanceAction}, {"PositionWindow", ed->positionAction},
                {"TransactionsWindow", ed->transactionsAction}, {"PerformanceWindow", ed->performanceAction},
                {"OrdersWindow", ed->ordersAction}, {"NewsWindow", ed->newsAction},
                {"HallOfFameWindow", ed->hallOfFameAction}, {"AddAssetDialog", ed->addAssetAction}, {"EditStockDialog", ed->editAssetAction}}
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
        open("NewGameDialog");
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
    if (auto* t = qobject_cast<ReportGrid*>(w))
        for (int c = 0; c < t->Cols(); ++c)
            out << t->model()->headerData(c, Qt::Horizontal).toString();
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
    Minute(); // the clock shows a time
    openEveryWindow();
    ASSERT_EQ(Forms::Loaded().size(), 19);
    for (QWidget* w : Forms::Loaded()) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(faults(w), QStringList());
    }
    // What each kind of window presents besides: the windows that ask something
    // as dialogs, and what a sighted player reads, within reach of Tab.
    const std::tuple<const char*, QAccessible::Role, QStringList> kinds[] = {
        {"NewGameDialog", QAccessible::Dialog, {"nameBox", "balanceLabel"}}, {"AddAssetDialog", QAccessible::Dialog, {"nameBox"}},
        {"EditStockDialog", QAccessible::Dialog, {"stockList"}}, {"AboutDialog", QAccessible::Dialog, {"okButton"}},
        {"TransactionsWindow", QAccessible::Window, {"countLabel", "grid"}}, {"BalanceWindow", QAccessible::Window, {"cashBox"}},
        {"HelpWindow", QAccessible::Window, {"topicsList", "topicText"}}, {"StockChart", QAccessible::Window, {"chartView"}},
        {"ContinueDialog", QAccessible::Dialog, {"gamesList", "notNowButton"}},
        {"PerformanceWindow", QAccessible::Window, {"worthChart", "grid"}},
        {"OrdersWindow", QAccessible::Window, {"stockList", "unitsBox", "belowButton", "priceBox", "cancelOrderButton"}}};
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
    EXPECT_TRUE(static_cast<HelpWindow*>(FindForm("HelpWindow"))->topicText->textInteractionFlags() &
        Qt::TextSelectableByKeyboard); // read line by line with the arrow keys
    // The clock sits in the status bar, where a screen reader looks for it.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(ed->statusBar)->role(), QAccessible::StatusBar);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(ed->clockLabel)->parent()->object(), ed->statusBar);
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
        ed = &Forms::Get<MainWindow>();
        ed->show();
        Minute(); // the clock shows a time
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
    ed = &Forms::Get<MainWindow>();
    trade("ALDR", "abc", "Buy");
    trade("ALDR", "5", "Buy");
    ed->clock->pauseAction->trigger();
    Tick();
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
    for (const QString name : {"TradingDesk", "NewGameDialog", "BalanceWindow", "PriceBoard", "AddAssetDialog", "EditStockDialog", "StockPerformanceDialog", "StockChart", "HelpWindow",
             "AboutDialog", "PerformanceWindow", "ContinueDialog", "OrdersWindow", "NewsWindow", "HallOfFameWindow"}) {
        SCOPED_TRACE(name.toStdString());
        QWidget* w = open(name);
        ASSERT_NE(w, nullptr);
        key(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape);
        EXPECT_EQ(FindForm(name), nullptr);
        EXPECT_TRUE(name == "StockChart" || !FindForm("StockChart")); // the picker's Cancel opened no chart
    }
    EXPECT_EQ(stocks().size(), before);
    expectGame(true);
    EXPECT_FALSE(App::EndRequested());
    EXPECT_TRUE(msgs.messages.empty());
}

TEST_F(AccessibilityTest, ReturnPressesTheFocusedButtonAndInATextBoxTheWindowsEnter)
{
    // The window, its button, and what the button opens (none: it closes its window).
    const std::array<const char*, 3> buttons[] = {{"TradingDesk", "helpButton", "HelpWindow"},
        {"BalanceWindow", "portfolioButton", "PortfolioWindow"}, {"AddAssetDialog", "cancelButton", nullptr},
        {"EditStockDialog", "cancelButton", nullptr}, {"StockPerformanceDialog", "cancelButton", nullptr}};
    for (const auto& [form, button, opens] : buttons) {
        SCOPED_TRACE(form);
        key(open(form)->findChild<QPushButton*>(button), Qt::Key_Return);
        EXPECT_EQ(FindForm(opens ? opens : form) != nullptr, opens != nullptr);
    }
    auto* desk = static_cast<TradingDesk*>(open("TradingDesk"));
    ChooseByKey(desk->stockList, "ALDR");
    desk->unitsBox->setText("3");
    desk->buyButton->setChecked(true);
    key(desk->unitsBox, Qt::Key_Return);
    EXPECT_TRUE(msgs.texts().value(0).startsWith("You bought 3 of ALDR")) << msgs.texts().value(0).toStdString();
    auto* pick = static_cast<StockPerformanceDialog*>(open("StockPerformanceDialog"));
    ChooseByKey(pick->stockList, "ALDR");
    key(pick->stockList->lineEdit(), Qt::Key_Return); // a list's text is a text box too
    ASSERT_NE(FindForm("StockChart"), nullptr);
    EXPECT_EQ(FindForm("StockChart")->windowTitle(), "ALDR");
    auto* add = static_cast<AddAssetDialog*>(open("AddAssetDialog"));
    add->nameBox->setText("Keyed");
    add->symbolBox->setText("KEYD");
    add->priceBox->setText("4");
    key(add->volumeBox, Qt::Key_Return);
    EXPECT_EQ(stocks().back().symbol, "KEYD");
}

TEST_F(AccessibilityTest, ATypedSymbolPicksNothingInAnyListAndItsFieldIsNamed)
{
    // And what a screen reader calls the list's text field, and the box the stock chosen fills.
    const std::tuple<const char*, const char*, const char*> lists[] = {{"TradingDesk", "Stock", "symbolBox"},
        {"StockPerformanceDialog", "Stock", "companyBox"}, {"EditStockDialog", "Choose stock symbol", "nameBox"}};
    for (const auto& [form, name, filled] : lists) {
        SCOPED_TRACE(form);
        QWidget* w = open(form);
        auto* list = w->findChild<QComboBox*>();
        list->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list, "aldr");
        key(list, Qt::Key_Tab); // leaving the list
        EXPECT_EQ(list->currentText(), "aldr");
        EXPECT_EQ(list->currentIndex(), -1);
        EXPECT_EQ(w->findChild<QLineEdit*>(filled)->text(), "");
        EXPECT_EQ(QAccessible::queryAccessibleInterface(list->lineEdit())->text(QAccessible::Name), name);
    }
}

namespace {
/// Whether a widget is a piece of a larger control (a list's field, a grid's
/// scroll bars), which the control itself stands for.
bool insideAControl(const QWidget* w, const QWidget* window)
{
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p) || qobject_cast<const QComboBox*>(p))
            return true;
    return false;
}

/// Every text of a window drawn smaller than the application's font, cut, or
/// over another control, a line each.
QStringList layoutFaults(QWidget* window)
{
    QStringList out;
    const double appFont = QApplication::font().pointSizeF();
    QList<QWidget*> placed;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window || insideAControl(w, window) ||
            qobject_cast<QMenuBar*>(w))
            continue;
        const QString name = QStringLiteral("%1 %2").arg(w->metaObject()->className(), w->objectName());
        auto* label = qobject_cast<QLabel*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        auto* group = qobject_cast<QGroupBox*>(w);
        auto* header = qobject_cast<QHeaderView*>(w);
        if (label || button || group || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QAbstractScrollArea*>(w))
            placed << w;
        if (auto* box = qobject_cast<QLineEdit*>(w); box && box->isReadOnly() && // a figure shown whole
            box->fontMetrics().horizontalAdvance(box->text()) > box->width() - 8)
            out << name + ": \"" + box->text() + "\" cut";
        if (!(label || button || group || header))
            continue;
        if (w->font().pointSizeF() < appFont - 0.01)
            out << name + QStringLiteral(": drawn in %1 pt").arg(w->font().pointSizeF());
        const QSize needs = label ? (label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                                       : label->minimumSizeHint())
            : header             ? QSize()
                                 : w->sizeHint();
        if (!qobject_cast<ElidedLabel*>(w) && (w->width() < needs.width() || w->height() < needs.height()))
            out << name + QStringLiteral(": needs %1x%2, has %3x%4")
                              .arg(needs.width())
                              .arg(needs.height())
                              .arg(w->width())
                              .arg(w->height());
        if (header)
            for (int i = 0; i < header->count(); ++i) {
                const QString text = header->model()->headerData(i, Qt::Horizontal).toString();
                if (header->sectionSize(i) < header->fontMetrics().horizontalAdvance(text) + 8)
                    out << name + ": column \"" + text + "\" cut";
            }
    }
    for (int i = 0; i < placed.size(); ++i)
        for (int j = i + 1; j < placed.size(); ++j) {
            QWidget *a = placed[i], *b = placed[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            const QRect ra(a->mapTo(window, QPoint()), a->size()), rb(b->mapTo(window, QPoint()), b->size());
            if (ra.intersects(rb))
                out << QStringLiteral("%1 over %2").arg(a->objectName(), b->objectName());
        }
    return out;
}
} // namespace

TEST_F(AccessibilityTest, EveryWindowFitsItsTextsInEveryLanguageAndFontAndOverlapsNothing)
{
    const QFont usual = QApplication::font();
    const QString shots = qEnvironmentVariable("TICORA_SCREENSHOTS"); // where the windows are drawn, if anywhere
    for (const auto& [language, points] : {std::pair(QLocale::English, 0.0), {QLocale::German, 0.0},
             {QLocale::English, 16.0}, {QLocale::German, 16.0}}) {
        const QString config = QLocale(language).name().left(2) + (points ? QStringLiteral("-16pt") : QString());
        SCOPED_TRACE(config.toStdString());
        QFont font = usual;
        if (points)
            font.setPointSizeF(points);
        QApplication::setFont(font);
        App::InstallTranslations(QLocale(language));
        for (QWidget* w : Forms::Loaded()) // every window made anew, in the language and the font
            Forms::Unload(w);
        ProcessDeletions();
        ed = &Forms::Get<MainWindow>();
        openEveryWindow();
        for (QWidget* w : Forms::Loaded()) {
            SCOPED_TRACE(w->objectName().toStdString());
            w->show();
            QCoreApplication::processEvents();
            EXPECT_EQ(layoutFaults(w), QStringList());
            if (!shots.isEmpty())
                w->grab().save(QStringLiteral("%1/%2-%3.png").arg(shots, config, w->objectName()));
        }
    }
    App::InstallTranslations(QLocale(QLocale::English));
    QApplication::setFont(usual);
}
