#include "Form2.h"
#include "game/Module1.h"
#include "ui/Accessibility.h"
#include "ui/Controls.h"
#include "ui/Twips.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Form2::Form2()
{
    setWindowTitle(tr("Information"));
    Accessibility::SetRole(this, QAccessible::Dialog); // it asks something: its text is read as it opens
    setProperty("helpContextID", 14); // its help topic
    setFixedSize(Twips::ToPixels(2865), Twips::ToPixels(2895));
    Label1 = Twips::Create<QLabel>(this, "Label1", 240, 240, 2415, 255, tr("Enter your name"));
    playername = Twips::Create<QLineEdit>(this, "playername", 240, 600, 2415, 375);
    Label1->setBuddy(playername);
    Label2 = Twips::Create<QLabel>(this, "Label2", 240, 1080, 2415, 255, tr("Starting Account Balance"));
    fsumma = Twips::Create<QLabel>(this, "fsumma", 240, 1440, 1815, 375);
    Twips::SetBackground(fsumma, Twips::kSilver);
    // Drawn greyed as a disabled label, yet enabled, so that Tab reaches it and a
    // screen reader reads the amount instead of passing it over as unavailable.
    QPalette greyed = fsumma->palette();
    greyed.setColor(QPalette::WindowText, greyed.color(QPalette::Disabled, QPalette::WindowText));
    fsumma->setPalette(greyed);
    Controls::MakeReadable(fsumma);
    Label2->setBuddy(fsumma);
    fsumma->setAccessibleDescription(Label2->text()); // its name stays the amount it shows
    Command1 = Twips::Create<QPushButton>(this, "Command1", 240, 2160, 975, 495, tr("Enter"));
    Command1->setDefault(true);
    Command2 = Twips::Create<QPushButton>(this, "Command2", 1680, 2160, 975, 495, tr("Cancel"));
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    SetKeyButtons(Command1, Command2);
}

void Form2::Command1_Click()
{
    const QString player = Module1::StorePlayerName();
    Forms::Unload(this);
    Module1::CreateNewGame(player);
}

void Form2::Command2_Click() { Forms::Unload(this); }
