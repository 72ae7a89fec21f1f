#include "AddAssetDialog.h"
#include "Stocks.h"
#include "ui/Accessibility.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/MsgBox.h"
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

AddAssetDialog::AddAssetDialog()
{
    setWindowTitle(tr("Add Asset"));
    Accessibility::SetRole(this, QAccessible::Dialog); // it asks something: its text is read as it opens
    setProperty("helpContextID", 10); // its help topic
    Look::Silver(this);
    // The name and the symbol across, the figures two a line under them.
    auto* grid = new QGridLayout(this);
    auto across = [&](int row, QLabel*& label, const char* labelName, const QString& caption, const char* name) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        label = Controls::Title(this, labelName, caption, box);
        grid->addWidget(label, row, 0, 1, 2);
        grid->addWidget(box, row + 1, 0, 1, 2);
        return box;
    };
    nameBox = across(0, nameLabel, "nameLabel", tr("Stock Name"), "nameBox");
    symbolBox = across(2, symbolLabel, "symbolLabel", tr("Stock Symbol"), "symbolBox");
    priceBox = Controls::TitledBox(grid, 4, 0, priceLabel, "priceLabel", tr("Stock current price"), "priceBox");
    highBox = Controls::TitledBox(grid, 4, 1, highLabel, "highLabel", tr("Max"), "highBox");
    lowBox = Controls::TitledBox(grid, 6, 0, lowLabel, "lowLabel", tr("Min"), "lowBox");
    volumeBox = Controls::TitledBox(grid, 6, 1, volumeLabel, "volumeLabel", tr("Volume"), "volumeBox");
    enterButton = Controls::Button(this, "enterButton", tr("Enter"));
    cancelButton = Controls::Button(this, "cancelButton", tr("Cancel"));
    grid->setRowMinimumHeight(8, fontMetrics().height() / 2);
    grid->addWidget(enterButton, 9, 0);
    grid->addWidget(cancelButton, 9, 1);
    for (QLineEdit* e : {priceBox, highBox, lowBox, volumeBox})
        e->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000.0000")) + 12);
    SetKeyButtons(enterButton, cancelButton);
    Controls::SetTabOrder({nameBox, symbolBox, priceBox, highBox, lowBox, volumeBox, enterButton, cancelButton});
    connect(enterButton, &QPushButton::clicked, this, &AddAssetDialog::Enter);
    connect(cancelButton, &QPushButton::clicked, this, [this] { Forms::Unload(this); });
}

bool AddAssetDialog::Refuses(Assets::Figure figure, QLineEdit* box, const QString& caption)
{
    if (Assets::ReadFigure(figure, box->text()))
        return false;
    Ui::MsgBox(Assets::FigureRefusal(figure), Ui::Buttons::OK, Ui::Icon::Exclamation, caption);
    box->setFocus();
    box->selectAll();
    return true;
}

void AddAssetDialog::Enter()
{
    if (symbolBox->text().isEmpty() || nameBox->text().isEmpty() || priceBox->text().isEmpty()) {
        Ui::MsgBox(tr("Fill the necessary information"));
        return;
    }
    using Assets::Figure;
    const std::pair<Figure, QLineEdit*> boxes[] = {
        {Figure::Price, priceBox}, {Figure::Min, lowBox}, {Figure::Max, highBox}, {Figure::Volume, volumeBox}};
    std::array<double, 4> figures = {};
    for (int i = 0; i < 4; ++i) {
        if (Refuses(boxes[i].first, boxes[i].second, windowTitle()))
            return;
        figures[size_t(i)] = *Assets::ReadFigure(boxes[i].first, boxes[i].second->text());
    }
    const Assets::Outcome done = Assets::AddStock(nameBox->text(), symbolBox->text(), figures);
    using Kind = Assets::Outcome::Kind;
    if (done.kind == Kind::Unchanged)
        Ui::MsgBox(done.text);
    else if (done.kind != Kind::Done)
        Ui::MsgBox(done.text, Ui::Buttons::OK, done.kind == Kind::Failed ? Ui::Icon::Critical : Ui::Icon::Exclamation,
            windowTitle());
    Forms::Unload(this);
}
