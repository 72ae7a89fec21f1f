#include "frmAbout.h"
#include "frmEditor.h"
#include "game/Module1.h"
#include "ui/Accessibility.h"
#include "ui/App.h"
#include "ui/Controls.h"
#include "ui/Twips.h"
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout()
{
    setWindowTitle(QStringLiteral("About"));
    Accessibility::SetRole(this, QAccessible::Dialog); // it asks something: its text is read as it opens
    setProperty("helpContextID", 15); // its help topic
    Twips::SetSilverClientArea(this, 3945, 3525);
    fraAbout = Twips::Create<QGroupBox>(this, "fraAbout", 120, 120, 3375, 2415);
    lblAbout = Twips::Create<QLabel>(fraAbout, "lblAbout", 120, 360, 3135, 1935);
    lblAbout->setWordWrap(true);
    lblAbout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Controls::MakeReadable(lblAbout); // Tab reaches the text, to be read again
    cmdAbout = Twips::Create<QPushButton>(this, "cmdAbout", 1080, 2760, 1452, 612, QStringLiteral("OK"));
    cmdAbout->setDefault(true);
    // The focus on OK, as a message box has it: a screen reader reads the
    // dialog with its text as it opens, by any path. On the text itself, the
    // opening went unheard when the About menu was reached from a closed help.
    Controls::SetTabOrder({cmdAbout, lblAbout});
    cmdAbout->setFocus();
    SetKeyButtons(cmdAbout, cmdAbout);
    connect(cmdAbout, &QPushButton::clicked, this, &frmAbout::cmdAbout_Click);
}

QString frmAbout::AboutText()
{
    return QStringList({QStringLiteral("Varnel Ticora V1.0"), QString(),
                           QStringLiteral("Feel free to be the sponsore of the next version."),
                           QStringLiteral("Your advertisment will be placed on the starting screen.")})
        .join(QLatin1Char('\n'));
}

void frmAbout::cmdAbout_Click()
{
    Module1::QueryUnloadAbout(1); // unloaded from code
    Forms::Unload(this);
}

void frmAbout::closeEvent(QCloseEvent* e)
{
    e->accept();
    Module1::QueryUnloadAbout(0);
}

namespace Module1 {

void QueryUnloadAbout(int reason)
{
    if (reason != 0 && reason != 3)
        return;
    if (frmAbout* a = Forms::IfLoaded<frmAbout>())
        Forms::Unload(a);
    // The main window's own shut-down deletes an open game's file first.
    if (frmEditor* ed = Forms::IfLoaded<frmEditor>())
        ed->close();
    App::EndProgram();
}

} // namespace Module1
