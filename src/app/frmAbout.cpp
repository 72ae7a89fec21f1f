#include "frmAbout.h"
#include "ui/Accessibility.h"
#include "ui/App.h"
#include "ui/Controls.h"
#include "ui/Twips.h"
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout()
{
    setWindowTitle(tr("About"));
    Accessibility::SetRole(this, QAccessible::Dialog); // it asks something: its text is read as it opens
    setProperty("helpContextID", 15); // its help topic
    Twips::SetSilverClientArea(this, 3945, 3525);
    fraAbout = Twips::Create<QGroupBox>(this, "fraAbout", 120, 120, 3375, 2415);
    lblAbout = Twips::Create<QLabel>(fraAbout, "lblAbout", 120, 360, 3135, 1935);
    lblAbout->setWordWrap(true);
    lblAbout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The text is no Tab stop: it said nothing there, and Return did nothing.
    // The dialog itself carries it, so that it is heard with the dialog.
    lblAbout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblAbout->setFocusPolicy(Qt::NoFocus);
    cmdAbout = Twips::Create<QPushButton>(this, "cmdAbout", 1080, 2760, 1452, 612, tr("OK"));
    cmdAbout->setDefault(true);
    // The focus on OK, as a message box has it, the one stop there is: Return
    // closes the window wherever it is.
    cmdAbout->setFocus();
    SetKeyButtons(cmdAbout, cmdAbout);
    connect(cmdAbout, &QPushButton::clicked, this, &frmAbout::cmdAbout_Click);
}

QString frmAbout::AboutText()
{
    return QStringList({tr("Varnel Ticora V1.0"), QString(), tr("Feel free to be the sponsore of the next version."),
                           tr("Your advertisment will be placed on the starting screen.")})
        .join(QLatin1Char('\n'));
}

void frmAbout::SetText(const QString& text)
{
    lblAbout->setText(text);
    setAccessibleDescription(text); // heard with the dialog, as a message box's text is
}

void frmAbout::cmdAbout_Click() { Forms::Unload(this); }
