#include "frmOrders.h"
#include "TradeRules.h"
#include "data/StockList.h"
#include "game/FollowGame.h"
#include "game/Session.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/Twips.h"
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
/// The grid's column titles, in the player's language as the window is made.
QStringList columns()
{
    return {QCoreApplication::translate("frmOrders", "Symbol"), QCoreApplication::translate("frmOrders", "Type"),
        QCoreApplication::translate("frmOrders", "Units"), QCoreApplication::translate("frmOrders", "Condition"),
        QCoreApplication::translate("frmOrders", "Price"), QCoreApplication::translate("frmOrders", "Placed"),
        QCoreApplication::translate("frmOrders", "State"), QCoreApplication::translate("frmOrders", "Note")};
}

/// An option button of a group, known by its id: the value it stands for.
struct Option {
    QRadioButton** button;
    const char* name;
    QString caption;
    int id;
};

/// Option buttons in a titled group, two a line as on the desk, one of them to choose.
QButtonGroup* options(QWidget* form, QHBoxLayout* row, const QString& title, std::initializer_list<Option> buttons)
{
    auto* frame = new QGroupBox(title, form);
    auto* lines = new QGridLayout(frame);
    auto* group = new QButtonGroup(form);
    int i = 0;
    for (const Option& o : buttons) {
        *o.button = new QRadioButton(o.caption, frame);
        (*o.button)->setObjectName(QString::fromLatin1(o.name));
        group->addButton(*o.button, o.id);
        lines->addWidget(*o.button, i / 2, i % 2);
        ++i;
    }
    row->addWidget(frame);
    return group;
}

QLineEdit* titledBox(
    QWidget* form, QHBoxLayout* row, QLabel*& label, const char* labelName, const QString& caption, const char* name)
{
    auto* column = new QVBoxLayout;
    label = new QLabel(caption, form);
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
    : ReportForm(tr("Orders"),
          MakeGrid(1, int(columns().size()), Twips::DesignFont(QStringLiteral("MS Sans Serif"), 8.25), 1), 7200, 4800,
          19)
{
    const QStringList titles = columns();
    for (int c = 0; c < int(titles.size()); ++c)
        MSFlexGrid1->SetTextMatrix(0, c, titles[c]);
    MSFlexGrid1->SetColumnNames(titles);
    MSFlexGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto* first = new QHBoxLayout;
    auto* stock = new QVBoxLayout;
    lblStock = new QLabel(tr("Stock"), this);
    lblStock->setObjectName(QStringLiteral("lblStock"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    lblStock->setBuddy(Combo1);
    Combo1->setAccessibleName(tr("Stock"));
    Controls::MakeSymbolList(Combo1, Combo1->accessibleName());
    stock->addWidget(lblStock);
    stock->addWidget(Combo1);
    Combo1->setMinimumWidth(Twips::ToPixels(1815)); // as wide as the desk's
    first->addLayout(stock);
    first->setAlignment(stock, Qt::AlignBottom);
    txtCurrent = titledBox(this, first, lblCurrent, "lblCurrent", tr("Current price"), "txtCurrent");
    Controls::MakeDisplayBox(txtCurrent);
    txtCurrent->setAccessibleName(lblCurrent->text());
    quantity = titledBox(this, first, lblUnits, "lblUnits", tr("Units"), "quantity");
    using Type = Module1::Trade::Type;
    auto type = [](QRadioButton** b, const char* name, Type t) {
        return Option{b, name, TradeRules::Caption(t), int(t)};
    };
    types = options(this, first, tr("Type"),
        {type(&optBuybutton, "optBuybutton", Type::Buy), type(&optSellButton, "optSellButton", Type::Sell),
            type(&Covshort, "Covshort", Type::CoverShort), type(&Selshort, "Selshort", Type::SellShort)});
    first->addStretch(1);
    auto* second = new QHBoxLayout;
    using OrderBook::Condition;
    conditions = options(this, second, tr("Condition"),
        {{&optBelow, "optBelow", Caption(Condition::AtOrBelow), int(Condition::AtOrBelow)},
            {&optAbove, "optAbove", Caption(Condition::AtOrAbove), int(Condition::AtOrAbove)}});
    txtPrice = titledBox(this, second, lblPrice, "lblPrice", tr("Price"), "txtPrice");
    cmdPlace = Controls::Button(this, "cmdPlace", tr("Place"), 0, 0, 1215, 375);
    second->addWidget(cmdPlace, 0, Qt::AlignBottom);
    second->addStretch(1);
    box->insertLayout(0, first);
    box->insertLayout(1, second);
    cmdCancelOrder = Controls::Button(this, "cmdCancelOrder", tr("Cancel order"), 0, 0, 1455, 375);
    box->insertWidget(3, cmdCancelOrder, 0, Qt::AlignLeft);
    Controls::SetTabOrder({Combo1, txtCurrent, quantity, optBuybutton, optSellButton, Covshort, Selshort, optBelow, optAbove,
        txtPrice, cmdPlace, MSFlexGrid1, cmdCancelOrder});
    SetKeyButtons(cmdPlace, nullptr); // Return in a box places the order; Escape closes
    connect(Combo1, &QComboBox::activated, this, &frmOrders::ShowCurrentPrice);
    connect(cmdPlace, &QPushButton::clicked, this, &frmOrders::cmdPlace_Click);
    connect(cmdCancelOrder, &QPushButton::clicked, this, &frmOrders::cmdCancelOrder_Click);
    FollowGame(this, [](const Game& game) { Module1::RefreshOrders(&game); });
}

void frmOrders::formLoad()
{
    StockList::Fill(Combo1, tr("Select a stock"));
    Module1::RefreshOrders(Session::Current().CurrentGame());
}

Module1::Trade::Type frmOrders::ChosenType() const
{
    const int id = types->checkedId();
    return id < 0 ? Module1::Trade::Type::None : Module1::Trade::Type(id);
}

std::optional<OrderBook::Condition> frmOrders::ChosenCondition() const
{
    const int id = conditions->checkedId();
    return id < 0 ? std::nullopt : std::optional(OrderBook::Condition(id));
}

QString frmOrders::Caption(OrderBook::Condition c)
{
    return c == OrderBook::Condition::AtOrBelow ? tr("at or below") : tr("at or above");
}

std::optional<int> frmOrders::SelectedOrder() const
{
    const int r = MSFlexGrid1->currentRow();
    return r >= 0 && r < int(shown.size()) ? std::optional(shown[size_t(r)]) : std::nullopt;
}

void frmOrders::ShowCurrentPrice()
{
    const QString symbol = Combo1->currentIndex() >= 0 ? Combo1->itemText(Combo1->currentIndex()) : QString();
    std::optional<dao::Currency> price;
    try {
        if (!symbol.isEmpty())
            price = Holdings::ListedPrice(Holdings::CurrentPrices({{symbol, {}}}), symbol);
    } catch (const std::exception&) {
        // The market that cannot be read is said where the move or the order fails.
    }
    Controls::SetText(txtCurrent, price ? Numbers::PlainText(*price) : QString());
}

void frmOrders::cmdPlace_Click()
{
    if (const Game* game = Session::Current().CurrentGame())
        Module1::PlaceOrder(*game);
}

void frmOrders::cmdCancelOrder_Click()
{
    if (const Game* game = Session::Current().CurrentGame())
        Module1::CancelOrder(*game);
}
