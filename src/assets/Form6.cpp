#include "Form6.h"
#include "game/Module1.h"
#include "ui/Accessibility.h"
#include "ui/Controls.h"
#include "ui/MsgBox.h"
#include "ui/Twips.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Form6::Form6()
{
    setWindowTitle(tr("Add Asset"));
    Accessibility::SetRole(this, QAccessible::Dialog); // it asks something: its text is read as it opens
    setProperty("helpContextID", 10); // its help topic
    Twips::SetSilverClientArea(this, 3300, 3915);
    Controls::PlaceTitledBoxes(this,
        {
            {&Label1, "Label1", tr("Stock Name"), 240, 240, 2535, 255, &Text1, "Text1", 240, 480, 2775, 375},
            {&Label2, "Label2", tr("Stock Symbol"), 240, 960, 2415, 255, &Text2, "Text2", 240, 1200, 2775, 375},
            {&Label3, "Label3", tr("Stock current price"), 240, 1680, 1455, 255, &Text3, "Text3", 240, 1920, 1215, 285},
            {&Label5, "Label5", tr("Max"), 1800, 1680, 1215, 255, &Text5, "Text5", 1800, 1920, 1215, 285},
            {&Label4, "Label4", tr("Min"), 240, 2280, 1215, 255, &Text4, "Text4", 240, 2520, 1215, 285},
            {&Label6, "Label6", tr("Volume"), 1800, 2280, 1215, 255, &Text6, "Text6", 1800, 2520, 1215, 285},
        });
    Command1 = Controls::Button(this, "Command1", tr("Enter"), 240, 3240, 1215, 495);
    Command2 = Controls::Button(this, "Command2", tr("Cancel"), 1800, 3240, 1215, 495);
    SetKeyButtons(Command1, Command2);
    Controls::SetTabOrder({Text1, Text2, Text3, Text5, Text4, Text6, Command1, Command2});
    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form6::Command2_Click);
}

void Form6::Command1_Click()
{
    if (Module1::AddAsset()) // a refused figure keeps the window open with what was typed
        Forms::Unload(this);
}

void Form6::Command2_Click() { Forms::Unload(this); }
