#include "EditStockDialog.h"
#include "AddAssetDialog.h"
#include "Stocks.h"
#include "data/MarketSchema.h"
#include "data/StockList.h"
#include "ui/Accessibility.h"
#include "ui/App.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/MsgBox.h"
#include "ui/Numbers.h"
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
/// What a box was given when the stock was shown: Enter stores only what the
/// player changed since, not figures a move has changed meanwhile.
constexpr const char* kShown = "shownText";
bool isTouched(const QLineEdit* box) { return box->text() != box->property(kShown).toString(); }
} // namespace

EditStockDialog::EditStockDialog()
{
    setWindowTitle(tr("Edit stock"));
    Accessibility::SetRole(this, QAccessible::Dialog); // it asks something: its text is read as it opens
    setProperty("helpContextID", 11); // its help topic
    Look::Silver(this);
    auto* grid = new QGridLayout(this);
    stockList = new QComboBox(this);
    stockList->setObjectName(QStringLiteral("stockList"));
    symbolLabel = Controls::Title(this, "symbolLabel", tr("Choose stock symbol"), stockList);
    Controls::MakeSymbolList(stockList, symbolLabel->text());
    grid->addWidget(symbolLabel, 0, 0, Qt::AlignBottom);
    grid->addWidget(stockList, 1, 0);
    nameBox = Controls::TitledBox(grid, 0, 1, nameLabel, "nameLabel", tr("Stock name"), "nameBox");
    priceBox = Controls::TitledBox(grid, 2, 0, priceLabel, "priceLabel", tr("Current price"), "priceBox");
    lowBox = Controls::TitledBox(grid, 2, 1, lowLabel, "lowLabel", tr("Min"), "lowBox");
    volumeBox = Controls::TitledBox(grid, 4, 0, volumeLabel, "volumeLabel", tr("Volume"), "volumeBox");
    highBox = Controls::TitledBox(grid, 4, 1, highLabel, "highLabel", tr("Max"), "highBox");
    Controls::MakeDisplayBox(nameBox); // the name is not stored from here
    for (QLineEdit* e : {priceBox, lowBox, volumeBox, highBox})
        e->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000.0000")) + 12);
    nameBox->setMinimumWidth(fontMetrics().horizontalAdvance(QString(16, QLatin1Char('x'))));
    enterButton = Controls::Button(this, "enterButton", tr("Enter"));
    cancelButton = Controls::Button(this, "cancelButton", tr("Cancel"));
    grid->setRowMinimumHeight(6, fontMetrics().height() / 2);
    grid->addWidget(enterButton, 7, 0);
    grid->addWidget(cancelButton, 7, 1);
    SetKeyButtons(enterButton, cancelButton);
    Controls::SetTabOrder(
        {stockList, nameBox, priceBox, lowBox, volumeBox, highBox, enterButton, cancelButton});
    connect(stockList, &QComboBox::activated, this,
        [this] { Ui::Attempt(tr("The stock cannot be shown"), [this] { ShowStock(); }); });
    connect(enterButton, &QPushButton::clicked, this, &EditStockDialog::Enter);
    connect(cancelButton, &QPushButton::clicked, this, [this] { Forms::Unload(this); });
}

void EditStockDialog::Load() { StockList::Fill(stockList, QString()); }

void EditStockDialog::ShowStock()
{
    dao::Database db = dao::Database::open(App::MarketFile());
    dao::Recordset rs = db.openSnapshot(MarketSchema::kStocksTable);
    StockList::Walk(rs, stockList->currentText(), [&] {
        // A stored Null shows as an empty box.
        auto show = [&](QLineEdit* box, const QString& field) {
            const QString text = Numbers::PlainText(rs.field(field));
            box->setText(text);
            box->setProperty(kShown, text);
        };
        show(nameBox, MarketSchema::kNameField);
        show(priceBox, MarketSchema::kPriceField);
        show(lowBox, MarketSchema::kMinField);
        show(volumeBox, MarketSchema::kVolumeField);
        show(highBox, MarketSchema::kMaxField);
        return true;
    });
}

void EditStockDialog::Enter()
{
    using Assets::Figure;
    // The first box the player changed to a figure that cannot be stored is said.
    const std::pair<Figure, QLineEdit*> boxes[] = {
        {Figure::Price, priceBox}, {Figure::Min, lowBox}, {Figure::Volume, volumeBox}, {Figure::Max, highBox}};
    for (const auto& [figure, box] : boxes)
        if (isTouched(box) && AddAssetDialog::Refuses(figure, box, windowTitle()))
            return;
    std::vector<Assets::Correction> corrections;
    for (const auto& [figure, box] : {boxes[0], boxes[1], boxes[3], boxes[2]}) // the price, then Min, Max, volume
        corrections.push_back({figure, isTouched(box), box->text()});
    const Assets::Outcome done = Assets::CorrectStock(stockList->currentText(), corrections);
    if (done.kind == Assets::Outcome::Kind::Failed)
        Ui::MsgBox(done.text, Ui::Buttons::OK, Ui::Icon::Critical, windowTitle());
    else if (!done.text.isEmpty())
        Ui::MsgBox(done.text);
    Forms::Unload(this);
}
