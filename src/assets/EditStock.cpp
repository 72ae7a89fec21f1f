#include "Form7.h"
#include "StockFigures.h"
#include "dao/Dao.h"
#include "data/MarketSchema.h"
#include "data/StockList.h"
#include "game/Module1.h"
#include "ui/App.h"
#include "ui/MsgBox.h"
#include "ui/Numbers.h"
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace {
constexpr const char* kShown = "shownText";
}

namespace Module1 {

void FillEditStockList() { StockList::Fill(Forms::Get<Form7>().editstock, QString()); }

void ShowEditStock()
{
    Form7& f = Forms::Get<Form7>();
    dao::Database db = dao::Database::open(App::MarketFile());
    dao::Recordset rs = db.openSnapshot(MarketSchema::kStocksTable);
    StockList::Walk(rs, f.editstock->currentText(), [&] {
        // A stored Null shows as an empty box. What a box was given is kept, so
        // that Enter stores only what the player changed, not figures a tick
        // has moved since.
        auto show = [&](QLineEdit* box, const QString& field) {
            const QString text = Numbers::PlainText(rs.field(field));
            box->setText(text);
            box->setProperty(kShown, text);
        };
        show(f.Text1, MarketSchema::kNameField);
        show(f.Text2, MarketSchema::kPriceField);
        show(f.Text3, MarketSchema::kMinField);
        show(f.Text4, MarketSchema::kVolumeField);
        show(f.Text5, MarketSchema::kMaxField);
        return true;
    });
}

namespace {

/// Changed by the player since the stock was shown.
bool isTouched(const QLineEdit* box) { return box->text() != box->property(kShown).toString(); }

/// A box's value as the field stores it, read as the player types numbers; an
/// empty box over a Null field leaves it Null.
struct Entry {
    QString field;
    dao::FieldType type;
    const QLineEdit* box;
    Assets::Figure figure;

    bool touched() const { return isTouched(box); }

    dao::Value value(const dao::Value& stored) const
    {
        if (box->text().isEmpty() && stored.isNull())
            return stored;
        return dao::convertForField(Assets::ReadFigure(figure, box->text()).value_or(0), type);
    }
};

/// The first box the player changed to a figure that cannot be stored, which
/// is said, the focus put on it; none when every change can be.
bool refused(const Form7& f)
{
    using Assets::Figure;
    const std::pair<Figure, QLineEdit*> boxes[] = {
        {Figure::Price, f.Text2}, {Figure::Min, f.Text3}, {Figure::Volume, f.Text4}, {Figure::Max, f.Text5}};
    for (const auto& [figure, box] : boxes)
        if (isTouched(box) && Assets::Refuses(figure, box, QCoreApplication::translate("Assets", "Edit stock")))
            return true;
    return false;
}

bool numericallyEqual(const dao::Value& a, const dao::Value& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    return a.toDouble() == b.toDouble();
}

/// Stores what the player changed on the row the recordset stands on, the
/// price last; a new price beyond the day's range moves it. True when the
/// price itself is unchanged.
bool correct(dao::Recordset& rs, const Entry& price, const Entry& low, const Entry& high, const Entry& volume)
{
    auto store = [&](const QString& field, const dao::Value& v) {
        rs.edit();
        rs.setField(field, v);
        rs.update();
    };
    for (const Entry* e : {&low, &high, &volume}) {
        if (!e->touched())
            continue;
        const dao::Value stored = rs.field(e->field);
        const dao::Value typed = e->value(stored);
        if (!numericallyEqual(stored, typed))
            store(e->field, typed);
    }
    const dao::Value stored = rs.field(price.field);
    const dao::Value typed = price.touched() ? price.value(stored) : stored;
    if (numericallyEqual(stored, typed))
        return true;
    store(price.field, typed);
    const dao::Value max = rs.field(high.field), min = rs.field(low.field);
    if (!typed.isNull() && !max.isNull() && typed.toDouble() > max.toDouble())
        store(high.field, typed);
    if (!typed.isNull() && !min.isNull() && typed.toDouble() < min.toDouble())
        store(low.field, typed);
    return false;
}

} // namespace

bool SaveEditedStock()
{
    Form7& f = Forms::Get<Form7>();
    if (refused(f))
        return false;
    const QString chosen = f.editstock->currentText();
    bool unchanged = false;
    try {
        dao::Database db = dao::Database::open(App::MarketFile());
        using namespace MarketSchema;
        using Assets::Figure;
        auto entry = [&](const QString& field, const QLineEdit* box, Figure figure) {
            return Entry{field, db.fieldType(kStocksTable, field), box, figure};
        };
        const Entry price = entry(kPriceField, f.Text2, Figure::Price), low = entry(kMinField, f.Text3, Figure::Min),
                    volume = entry(kVolumeField, f.Text4, Figure::Volume),
                    high = entry(kMaxField, f.Text5, Figure::Max);

        // The corrections of one Enter are stored together.
        dao::Transaction tx = db.beginTransaction();
        dao::Recordset rs = db.openTable(MarketSchema::kStocksTable);
        unchanged = !StockList::Walk(rs, chosen, [] { return false; }) || correct(rs, price, low, high, volume);
        rs.close();
        tx.commit();
    } catch (const std::exception& e) {
        Ui::MsgBox(
            Ui::Failure(
                QCoreApplication::translate("Assets", "The stock could not be changed; the market is as it was"), e),
            Ui::Buttons::OK, Ui::Icon::Critical, QCoreApplication::translate("Assets", "Edit stock"));
        return true;
    }
    // Said once the change is stored, so that no write waits on the user.
    if (unchanged)
        Ui::MsgBox(QCoreApplication::translate("Assets", "No changes were made!"));
    return true;
}

} // namespace Module1
