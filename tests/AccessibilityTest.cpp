#include "app/GameShell.h"
#include "app/PictureBox.h"
#include "app/kit/App.h"
#include "app/kit/Module1.h"
#include "assets/Form6.h"
#include "assets/Form7.h"
#include "assets/Symbols.h"
#include "market/Form10.h"
#include "market/Form9.h"
#include "support/GameFixture.h"
#include "trading/Form1.h"
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>

namespace {

class AccessibilityTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        ASSERT_TRUE(QFile::copy(QStringLiteral(TICORA_HELP_FILE), path("zolthelp.hlp")));
        ed->formLoad();
        ed->show();
        startGame("Listener");
        setClock(at(0, 10, 0));
        logTrade("ALDR", 10, 5, -50);
    }
    /// What is wrong with how one window presents itself, a line per fault.
    static QStringList faults(QWidget* window)
    {
        QStringList out;
        QAccessibleInterface* w = QAccessible::queryAccessibleInterface(window);
        if (!w || (w->role() != QAccessible::Window && w->role() != QAccessible::Dialog))
            out << "not announced as a window";
        else if (w->text(QAccessible::Name) != window->windowTitle())
            out << "announced as '" + w->text(QAccessible::Name) + "'";
        for (QWidget* c : window->findChildren<QWidget*>()) {
            // A combo box's parts are named through the combo box, but for the text
            // field a screen reader lands on.
            if (!c->isVisibleTo(window) || c->window() != window ||
                (qobject_cast<QComboBox*>(c->parentWidget()) && !qobject_cast<QLineEdit*>(c)))
                continue;
            // So is a scroll area's viewport.
            if (auto* area = qobject_cast<QAbstractScrollArea*>(c->parentWidget()); area && area->viewport() == c)
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
            if (!a)
                continue;
            const QString id = c->metaObject()->className() + QStringLiteral(" ") + c->objectName() + " in " +
                c->parentWidget()->metaObject()->className() + " " + c->parentWidget()->objectName();
            const QString name = a->text(QAccessible::Name);
            if (((c->focusPolicy() & Qt::TabFocus) || qobject_cast<QLineEdit*>(c)) && name.trimmed().isEmpty())
                out << id + " can take the focus but has no name";
            if (auto* b = qobject_cast<QAbstractButton*>(c)) {
                QAccessibleActionInterface* act = a->actionInterface();
                const QStringList can = act ? act->actionNames() : QStringList();
                const bool pressable = can.contains(QAccessibleActionInterface::pressAction()) ||
                    (b->isCheckable() && can.contains(QAccessibleActionInterface::toggleAction()));
                if (!pressable)
                    out << id + " cannot be pressed";
            }
            if (auto* l = qobject_cast<QLabel*>(c); l && !l->text().isEmpty() && l->pixmap().isNull()) {
                const QString shown = QString(l->text()).remove('&');
                if (!name.contains(shown) && !a->text(QAccessible::Value).contains(shown))
                    out << id + " hides its text '" + shown + "' behind '" + name + "'";
            }
        }
        return out;
    }
    /// A loaded window by its form name, made the active one as a click would.
    static QWidget* active(const char* name)
    {
        QWidget* w = Forms::Find(name);
        if (w) {
            w->show();
            w->activateWindow();
            QApplication::setActiveWindow(w);
        }
        return w;
    }
    /// Presses a key on a window's widget, as the player would.
    static void key(QWidget* w, Qt::Key k)
    {
        w->setFocus();
        QTest::keyClick(w, k);
        ProcessDeletions();
    }
};

TEST_F(AccessibilityTest, EveryWindowNamesItsControlsAndExposesItsValues)
{
    Module1::AdvanceClock(); // the clock shows a time
    const char* windows[] = {
        "Form1", "Form3", "Form4", "Form5", "Form6", "Form7", "Form9", "Form11", "Form13", "frmAbout"};
    for (const char* name : windows)
        GameShell::ShowWindow(name);
    Module1::ShowStockChart();
    GameShell::ShowHelp(0);
    ed->mnuFileItem(0)->trigger(); // the Information window, over the open game
    ASSERT_GE(Forms::Loaded().size(), 14);
    for (QWidget* w : Forms::Loaded()) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(faults(w), QStringList());
    }
}

TEST_F(AccessibilityTest, TheToolbarButtonsArePressedThroughTheAccessibilityInterface)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(ed->tradeup);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), "Trading desk");
    ASSERT_NE(a->actionInterface(), nullptr);
    // The press goes down at once and clicks when it comes up again.
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(ed->tradeup->isDown());
    // And the clock's time is what a screen reader reads out.
    Module1::AdvanceClock();
    EXPECT_TRUE(
        QAccessible::queryAccessibleInterface(ed->Label1)->text(QAccessible::Name).contains(ed->Label1->text()));
}

TEST_F(AccessibilityTest, EscapeCancelsOrClosesEachWindowAndNeverTheGame)
{
    const std::pair<const char*, std::function<void()>> windows[] = {
        {"Form1", [] { GameShell::ShowWindow("Form1"); }},
        {"Form2", [this] { ed->mnuFileItem(0)->trigger(); }},
        {"Form3", [] { GameShell::ShowWindow("Form3"); }},
        {"Form4", [] { GameShell::ShowWindow("Form4"); }},
        {"Form6", [] { GameShell::ShowWindow("Form6", true); }},
        {"Form7", [] { GameShell::ShowWindow("Form7", true); }},
        {"Form9", [] { GameShell::ShowWindow("Form9"); }},
        {"Form10", [] { Module1::ShowStockChart(); }},
        {"Form11", [] { GameShell::ShowWindow("Form11"); }},
        {"frmHelp", [] { GameShell::ShowHelp(0); }},
        {"frmAbout", [] { GameShell::ShowWindow("frmAbout"); }},
    };
    const auto before = stocks().size();
    for (const auto& [name, open] : windows) {
        SCOPED_TRACE(name);
        open();
        QWidget* w = active(name);
        ASSERT_NE(w, nullptr);
        key(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape);
        EXPECT_EQ(Forms::Find(name), nullptr);
    }
    EXPECT_EQ(Forms::Find("Form10"), nullptr); // the picker's Cancel opened no chart
    EXPECT_EQ(stocks().size(), before);
    EXPECT_EQ(Module1::GameFileName, "Listener.sav");
    EXPECT_TRUE(QFile::exists(path("Listener.sav")));
    EXPECT_FALSE(App::EndRequested());
    EXPECT_NE(Forms::Find("frmEditor"), nullptr);
    EXPECT_EQ(msgs.messages.size(), 0u);
}

TEST_F(AccessibilityTest, ReturnPressesTheFocusedButtonAndInATextBoxTheWindowsEnter)
{
    // A focused button of each kind of window.
    const struct {
        const char *form, *button, *opens;
        bool modal;
    } buttons[] = {
        {"Form1", "Command1", "frmHelp", false}, // Help
        {"Form3", "Command1", "Form13", false}, // View Portfolio
        {"Form6", "Command2", nullptr, true}, // Cancel
        {"Form7", "Command2", nullptr, true}, // Cancel
        {"Form9", "Command2", nullptr, false}, // Cancel
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.form);
        GameShell::ShowWindow(b.form, b.modal);
        QWidget* w = active(b.form);
        ASSERT_NE(w, nullptr);
        key(w->findChild<QPushButton*>(b.button), Qt::Key_Return);
        if (b.opens)
            EXPECT_NE(Forms::Find(b.opens), nullptr);
        else
            EXPECT_EQ(Forms::Find(b.form), nullptr);
    }
    // Return in a text box: the desk trades, Add Asset lists.
    GameShell::ShowWindow("Form1");
    auto* desk = static_cast<Form1*>(active("Form1"));
    desk->Combo1->setCurrentIndex(desk->Combo1->findText("ALDR"));
    emit desk->Combo1->activated(desk->Combo1->currentIndex());
    desk->quantity->setText("3");
    desk->optBuybutton->setChecked(true);
    key(desk->quantity, Qt::Key_Return);
    ASSERT_EQ(msgs.messages.size(), 1u);
    EXPECT_TRUE(msgs.messages[0].text.startsWith("You bought 3 of ALDR")) << msgs.messages[0].text.toStdString();
    GameShell::ShowWindow("Form6", true);
    auto* add = static_cast<Form6*>(active("Form6"));
    add->Text1->setText("Keyed");
    add->Text2->setText("KEYD");
    add->Text3->setText("4");
    key(add->Text6, Qt::Key_Return);
    EXPECT_EQ(Forms::Find("Form6"), nullptr);
    EXPECT_EQ(stocks().back().symbol, "KEYD");
}

TEST_F(AccessibilityTest, ATypedSymbolPicksNothingInAnyList)
{
    const struct {
        const char* form;
        const char* list;
        const char* nameBox;
        const char* name; ///< what a screen reader calls the list's text field
    } lists[] = {{"Form1", "Combo1", "Text1", "Stock"}, {"Form9", "chartstock", "Text1", "Stock"},
        {"Form7", "editstock", "Text1", "Choose stock symbol"}};
    for (const auto& l : lists) {
        SCOPED_TRACE(l.form);
        GameShell::ShowWindow(l.form);
        QWidget* w = active(l.form);
        auto* list = w->findChild<QComboBox*>(l.list);
        list->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list, "aldr");
        key(list, Qt::Key_Tab); // leaving the list
        EXPECT_EQ(list->currentText(), "aldr");
        EXPECT_EQ(list->currentIndex(), -1);
        EXPECT_EQ(w->findChild<QLineEdit*>(l.nameBox)->text(), "");
        EXPECT_EQ(QAccessible::queryAccessibleInterface(list->lineEdit())->text(QAccessible::Name), l.name);
    }
    // The picker charts the text as typed: no stock is called "aldr".
    static_cast<Form9*>(Forms::Find("Form9"))->Command1->click();
    ProcessDeletions();
    ASSERT_NE(Forms::Find("Form10"), nullptr);
    EXPECT_EQ(Forms::Find("Form10")->windowTitle(), "aldr");
}

} // namespace
