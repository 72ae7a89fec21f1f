#include "frmOrders.h"
#include "data/OrderBook.h"
#include "data/StockList.h"
#include "data/kit/Controls.h"
#include "data/kit/Session.h"
#include "data/kit/Twips.h"
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const QStringList kColumns = {QStringLiteral("Symbol"), QStringLiteral("Type"), QStringLiteral("Units"),
    QStringLiteral("Condition"), QStringLiteral("Price"), QStringLiteral("Placed"), QStringLiteral("State"),
    QStringLiteral("Note")};

/// Option buttons in a titled group, two a line as on the desk, one of them to choose.
QButtonGroup* options(QWidget* form, QHBoxLayout* row, const char* title,
    std::initializer_list<std::pair<QRadioButton**, std::pair<const char*, const char*>>> buttons)
{
    auto* frame = new QGroupBox(QString::fromLatin1(title), form);
    auto* lines = new QGridLayout(frame);
    auto* group = new QButtonGroup(form);
    int i = 0;
    for (const auto& [button, nameAndCaption] : buttons) {
        *button = new QRadioButton(QString::fromLatin1(nameAndCaption.second), frame);
        (*button)->setObjectName(QString::fromLatin1(nameAndCaption.first));
        group->addButton(*button);
        lines->addWidget(*button, i / 2, i % 2);
        ++i;
    }
    row->addWidget(frame);
    return group;
}

QLineEdit* titledBox(
    QWidget* form, QHBoxLayout* row, QLabel*& label, const char* labelName, const char* caption, const char* name)
{
    auto* column = new QVBoxLayout;
    label = new QLabel(QString::fromLatin1(caption), form);
    label->setObjectName(QString::fromLatin1(labelName));
    auto* box = new QLineEdit(form);
    box->setObjectName(QString::fromLatin1(name));
    box->setFixedWidth(Twips::ToPixels(1455));
    label->setBuddy(box);
    column->addWidget(label);
    column->addWidget(box);
    row->addLayout(column);
    row->setAlignment(column, Qt::AlignBottom); // the title just above its box
    return box;
}
} // namespace

frmOrders::frmOrders()
    : ReportForm(QStringLiteral("Orders"),
          MakeGrid(1, int(kColumns.size()), Twips::DesignFont(QStringLiteral("MS Sans Serif"), 8.25), 1), 7200, 4800,
          19)
{
    for (int c = 0; c < int(kColumns.size()); ++c)
        MSFlexGrid1->SetTextMatrix(0, c, kColumns[c]);
    MSFlexGrid1->SetColumnNames(kColumns);
    MSFlexGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto* first = new QHBoxLayout;
    auto* stock = new QVBoxLayout;
    lblStock = new QLabel(QStringLiteral("Stock"), this);
    lblStock->setObjectName(QStringLiteral("lblStock"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    lblStock->setBuddy(Combo1);
    Combo1->setAccessibleName(QStringLiteral("Stock"));
    Controls::MakeSymbolList(Combo1, Combo1->accessibleName());
    stock->addWidget(lblStock);
    stock->addWidget(Combo1);
    Combo1->setMinimumWidth(Twips::ToPixels(1815)); // as wide as the desk's
    first->addLayout(stock);
    first->setAlignment(stock, Qt::AlignBottom);
    quantity = titledBox(this, first, lblUnits, "lblUnits", "Units", "quantity");
    types = options(this, first, "Type",
        {{&optBuybutton, {"optBuybutton", "Buy"}}, {&optSellButton, {"optSellButton", "Sell"}},
            {&Covshort, {"Covshort", "Cover short"}}, {&Selshort, {"Selshort", "Sell short"}}});
    first->addStretch(1);
    auto* second = new QHBoxLayout;
    conditions = options(this, second, "Condition",
        {{&optBelow, {"optBelow", "at or below"}}, {&optAbove, {"optAbove", "at or above"}}});
    txtPrice = titledBox(this, second, lblPrice, "lblPrice", "Price", "txtPrice");
    cmdPlace = Controls::Button(this, "cmdPlace", "Place", 0, 0, 1215, 375);
    second->addWidget(cmdPlace, 0, Qt::AlignBottom);
    second->addStretch(1);
    box->insertLayout(0, first);
    box->insertLayout(1, second);
    cmdCancelOrder = Controls::Button(this, "cmdCancelOrder", "Cancel order", 0, 0, 1455, 375);
    box->insertWidget(3, cmdCancelOrder, 0, Qt::AlignLeft);
    Controls::SetTabOrder({Combo1, quantity, optBuybutton, optSellButton, Covshort, Selshort, optBelow, optAbove,
        txtPrice, cmdPlace, MSFlexGrid1, cmdCancelOrder});
    SetKeyButtons(cmdPlace, nullptr); // Return in a box places the order; Escape closes
    connect(cmdPlace, &QPushButton::clicked, this, &frmOrders::cmdPlace_Click);
    connect(cmdCancelOrder, &QPushButton::clicked, this, &frmOrders::cmdCancelOrder_Click);
    // Another game: the window shows its orders, not the last game's.
    connect(&Session::Current(), &Session::gameChanged, this, [] { Module1::RefreshOrders(); });
}

void frmOrders::formLoad()
{
    StockList::Fill(Combo1, QStringLiteral("Select a stock"));
    Module1::RefreshOrders();
}

Module1::Trade::Type frmOrders::ChosenType() const
{
    const QAbstractButton* b = types->checkedButton();
    return OrderBook::TypeNamed(b ? b->text() : QString());
}

std::optional<bool> frmOrders::ChosenAtOrBelow() const
{
    if (!conditions->checkedButton())
        return std::nullopt;
    return conditions->checkedButton() == optBelow;
}

std::optional<int> frmOrders::SelectedOrder() const
{
    const int r = MSFlexGrid1->currentRow();
    return r >= 0 && r < int(shown.size()) ? std::optional(shown[size_t(r)]) : std::nullopt;
}

void frmOrders::cmdPlace_Click() { Module1::PlaceOrder(); }

void frmOrders::cmdCancelOrder_Click() { Module1::CancelOrder(); }
