#include "Assets.h"
#include "app/kit/Controls.h"
#include "app/kit/Module1.h"
#include "app/kit/MsgBox.h"
#include "app/kit/Twips.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct Box {
    QLabel** label;
    const char* labelName;
    const char* caption;
    int ll, lt, lw, lh;
    QLineEdit** box;
    const char* boxName;
    int bl, bt, bw, bh;
};

/// Each box under its title label, which names it for screen readers.
void place(QWidget* form, std::initializer_list<Box> boxes)
{
    for (const Box& b : boxes) {
        *b.box = Twips::Create<QLineEdit>(form, b.boxName, b.bl, b.bt, b.bw, b.bh);
        *b.label = Twips::Create<QLabel>(form, b.labelName, b.ll, b.lt, b.lw, b.lh, QString::fromLatin1(b.caption));
        (*b.label)->setBuddy(*b.box);
    }
}

QPushButton* button(QWidget* form, const char* name, const char* caption, int l, int t)
{
    auto* b = Twips::Create<QPushButton>(form, name, l, t, 1215, 495, QString::fromLatin1(caption));
    b->setAutoDefault(false);
    return b;
}

} // namespace

Form6::Form6()
{
    setWindowTitle(QStringLiteral("Add Asset"));
    setProperty("helpContextID", 10); // its help topic
    Twips::SetSilverClientArea(this, 3300, 3915);
    place(this,
        {
            {&Label1, "Label1", "Stock Name", 240, 240, 2535, 255, &Text1, "Text1", 240, 480, 2775, 375},
            {&Label2, "Label2", "Stock Symbol", 240, 960, 2415, 255, &Text2, "Text2", 240, 1200, 2775, 375},
            {&Label3, "Label3", "Stock current price", 240, 1680, 1455, 255, &Text3, "Text3", 240, 1920, 1215, 285},
            {&Label5, "Label5", "Max", 1800, 1680, 1215, 255, &Text5, "Text5", 1800, 1920, 1215, 285},
            {&Label4, "Label4", "Min", 240, 2280, 1215, 255, &Text4, "Text4", 240, 2520, 1215, 285},
            {&Label6, "Label6", "Volume", 1800, 2280, 1215, 255, &Text6, "Text6", 1800, 2520, 1215, 285},
        });
    Command1 = button(this, "Command1", "Enter", 240, 3240);
    Command2 = button(this, "Command2", "Cancel", 1800, 3240);
    SetKeyButtons(Command1, Command2);
    QWidget* order[] = {Text1, Text2, Text3, Text5, Text4, Text6, Command1, Command2};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form6::Command2_Click);
}

void Form6::Command1_Click()
{
    Module1::AddAsset();
    Forms::Unload(this);
}

void Form6::Command2_Click() { Forms::Unload(this); }

Form7::Form7()
{
    setWindowTitle(QStringLiteral("Edit stock"));
    setProperty("helpContextID", 11); // its help topic
    Twips::SetSilverClientArea(this, 3135, 2910);
    editstock = Twips::Create<QComboBox>(this, "editstock", 120, 360, 1215, 315);
    Label2 = Twips::Create<QLabel>(this, "Label2", 120, 120, 1695, 255, QStringLiteral("Choose stock symbol"));
    Label2->setBuddy(editstock);
    Controls::MakeSymbolList(editstock, Label2->text());
    place(this,
        {
            {&Label1, "Label1", "Stock name", 1800, 120, 1215, 255, &Text1, "Text1", 1800, 360, 1215, 285},
            {&Label3, "Label3", "Current price", 120, 840, 1215, 255, &Text2, "Text2", 120, 1080, 1215, 285},
            {&Label5, "Label5", "Min", 1800, 840, 1215, 255, &Text3, "Text3", 1800, 1080, 1215, 285},
            {&Label4, "Label4", "Volume", 120, 1440, 1215, 255, &Text4, "Text4", 120, 1680, 1215, 285},
            {&Label6, "Label6", "Max", 1800, 1440, 1215, 255, &Text5, "Text5", 1800, 1680, 1215, 285},
        });
    Controls::MakeDisplayBox(Text1); // the name is not stored from here
    for (QLineEdit* e : {Text1, Text2, Text3, Text4, Text5})
        Twips::FitTextToWidth(e);
    Command1 = button(this, "Command1", "Enter", 120, 2160);
    Command2 = button(this, "Command2", "Cancel", 1800, 2160);
    SetKeyButtons(Command1, Command2);
    QWidget* order[] = {editstock, Text1, Text2, Text3, Text4, Text5, Command1, Command2};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    connect(editstock, &QComboBox::activated, this, &Form7::editstock_Click);
    connect(Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form7::Command2_Click);
}

void Form7::formLoad() { Module1::FillEditStockList(); }

void Form7::editstock_Click() { Ui::Attempt(QStringLiteral("The stock cannot be shown"), Module1::ShowEditStock); }

void Form7::Command1_Click()
{
    Module1::SaveEditedStock();
    Forms::Unload(this);
}

void Form7::Command2_Click() { Forms::Unload(this); }
