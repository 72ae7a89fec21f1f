#include "Form7.h"
#include "game/Module1.h"
#include "ui/Accessibility.h"
#include "ui/Controls.h"
#include "ui/MsgBox.h"
#include "ui/Twips.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Form7::Form7()
{
    setWindowTitle(tr("Edit stock"));
    Accessibility::SetRole(this, QAccessible::Dialog); // it asks something: its text is read as it opens
    setProperty("helpContextID", 11); // its help topic
    Twips::SetSilverClientArea(this, 3135, 2910);
    editstock = Twips::Create<QComboBox>(this, "editstock", 120, 360, 1215, 315);
    Label2 = Twips::Create<QLabel>(this, "Label2", 120, 120, 1695, 255, tr("Choose stock symbol"));
    Label2->setBuddy(editstock);
    Controls::MakeSymbolList(editstock, Label2->text());
    Controls::PlaceTitledBoxes(this,
        {
            {&Label1, "Label1", tr("Stock name"), 1800, 120, 1215, 255, &Text1, "Text1", 1800, 360, 1215, 285},
            {&Label3, "Label3", tr("Current price"), 120, 840, 1215, 255, &Text2, "Text2", 120, 1080, 1215, 285},
            {&Label5, "Label5", tr("Min"), 1800, 840, 1215, 255, &Text3, "Text3", 1800, 1080, 1215, 285},
            {&Label4, "Label4", tr("Volume"), 120, 1440, 1215, 255, &Text4, "Text4", 120, 1680, 1215, 285},
            {&Label6, "Label6", tr("Max"), 1800, 1440, 1215, 255, &Text5, "Text5", 1800, 1680, 1215, 285},
        });
    Controls::MakeDisplayBox(Text1); // the name is not stored from here
    for (QLineEdit* e : {Text1, Text2, Text3, Text4, Text5})
        Twips::FitTextToWidth(e);
    Command1 = Controls::Button(this, "Command1", tr("Enter"), 120, 2160, 1215, 495);
    Command2 = Controls::Button(this, "Command2", tr("Cancel"), 1800, 2160, 1215, 495);
    SetKeyButtons(Command1, Command2);
    Controls::SetTabOrder({editstock, Text1, Text2, Text3, Text4, Text5, Command1, Command2});
    connect(editstock, &QComboBox::activated, this, &Form7::editstock_Click);
    connect(Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form7::Command2_Click);
}

void Form7::formLoad() { Module1::FillEditStockList(); }

void Form7::editstock_Click() { Ui::Attempt(tr("The stock cannot be shown"), Module1::ShowEditStock); }

void Form7::Command1_Click()
{
    if (Module1::SaveEditedStock()) // a refused figure keeps the window open with what was typed
        Forms::Unload(this);
}

void Form7::Command2_Click() { Forms::Unload(this); }
