#include "app/GameShell.h"
#include "app/Module1.h"
#include "app/PictureBox.h"
#include "support/GameFixture.h"
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>

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
            // A combo box's own text box is named through the combo box.
            if (!c->isVisibleTo(window) || c->window() != window || qobject_cast<QComboBox*>(c->parentWidget()))
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
            if ((c->focusPolicy() & Qt::TabFocus) && name.trimmed().isEmpty())
                out << id + " can take the focus but has no name";
            if (auto* b = qobject_cast<QAbstractButton*>(c)) {
                QAccessibleActionInterface* act = a->actionInterface();
                const QStringList can = act ? act->actionNames() : QStringList();
                const bool pressable = can.contains(QAccessibleActionInterface::pressAction()) ||
                    (b->isCheckable() &&
                        can.contains(QAccessibleActionInterface::toggleAction()));
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
};

TEST_F(AccessibilityTest, EveryWindowNamesItsControlsAndExposesItsValues)
{
    Module1::AdvanceClock(); // the clock shows a time
    const char* windows[] = {"Form1", "Form3", "Form4", "Form5", "Form6", "Form7", "Form9", "Form11", "Form13",
        "frmAbout"};
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
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(ed->Label1)->text(QAccessible::Name).contains(ed->Label1->text()));
}

} // namespace
