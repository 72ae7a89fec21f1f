#include "Form2.h"
#include "app/Module1.h"
#include "app/Twips.h"
#include "app/frmEditor.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Form2::Form2()
{
    setWindowTitle(QStringLiteral("Information"));
    setFixedSize(Twips::ToPixels(2865), Twips::ToPixels(2895));
    Label1 = new QLabel(QStringLiteral("Enter your name"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Twips::Place(Label1, 240, 240, 2415, 255);
    playername = new QLineEdit(this);
    playername->setObjectName(QStringLiteral("playername"));
    Twips::Place(playername, 240, 600, 2415, 375);
    Label1->setBuddy(playername);
    Label2 = new QLabel(QStringLiteral("Starting Account Balance"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Twips::Place(Label2, 240, 1080, 2415, 255);
    fsumma = new QLabel(this);
    fsumma->setObjectName(QStringLiteral("fsumma"));
    fsumma->setAutoFillBackground(true);
    QPalette p = fsumma->palette();
    p.setColor(QPalette::Window, Twips::kSilver);
    // Greyed as a disabled label, yet readable on silver.
    p.setColor(QPalette::Disabled, QPalette::WindowText, Twips::Colour(0x00606060));
    fsumma->setPalette(p);
    fsumma->setEnabled(false);
    fsumma->setAccessibleName(QStringLiteral("Starting Account Balance"));
    Twips::Place(fsumma, 240, 1440, 1815, 375);
    Command1 = new QPushButton(QStringLiteral("Enter"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Twips::Place(Command1, 240, 2160, 975, 495);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Twips::Place(Command2, 1680, 2160, 975, 495);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(playername, &QLineEdit::returnPressed, this, &Form2::Command1_Click);
}

void Form2::Command1_Click()
{
    frmEditor& ed = Forms::Get<frmEditor>();
    ed.Label1->setText(QString());
    ed.Label2->setText(QString());
    Module1::StorePlayerName();
    Forms::Unload(this);
    Module1::CreateNewGame();
}

void Form2::Command2_Click()
{
    Forms::Unload(this);
}
