#include "Form7.h"
#include "data/kit/App.h"
#include "data/kit/Module1.h"
#include "data/kit/MsgBox.h"
#include "data/kit/Numbers.h"
#include "data/MarketSchema.h"
#include "data/StockList.h"
#include "data/dao/Dao.h"
#include <QComboBox>
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
        auto show = [&](QLineEdit* box, const char* field) {
            const QString text = Numbers::PlainText(rs.field(QString::fromLatin1(field)));
            box->setText(text);
            box->setProperty(kShown, text);
        };
        show(f.Text1, "stockname");
        show(f.Text2, "Stockcurrent Price");
        show(f.Text3, "Min");
        show(f.Text4, "volume");
        show(f.Text5, "Max");
        return true;
    });
}

namespace {

/// A box's value as the field stores it, read as the player types numbers; an
/// empty box over a Null field leaves it Null.
struct Entry {
    QString field;
    dao::FieldType type;
    const QLineEdit* box;

    /// Changed by the player since the stock was shown.
    bool touched() const { return box->text() != box->property(kShown).toString(); }

    dao::Value value(const dao::Value& stored) const
    {
        if (box->text().isEmpty() && stored.isNull())
            return stored;
        return dao::convertForField(Numbers::ReadTyped(box->text()), type);
    }
};

dao::FieldType typeOf(const std::vector<dao::Field>& fields, const QString& name)
{
    for (const dao::Field& f : fields)
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            return f.type;
    throw dao::Error("Item not found in this collection: field '" + name.toStdString() + "'", 0);
}

bool numericallyEqual(const dao::Value& a, const dao::Value& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    return a.toDouble() == b.toDouble();
}

} // namespace

void SaveEditedStock()
{
    Form7& f = Forms::Get<Form7>();
    const QString chosen = f.editstock->currentText();
    bool unchanged = false;
    try {
        dao::Database db = dao::Database::open(App::MarketFile());
        const std::vector<dao::Field> fields = db.tableFields(MarketSchema::kStocksTable);
        auto entry = [&](const char* field, const QLineEdit* box) {
            const QString name = QString::fromLatin1(field);
            return Entry{name, typeOf(fields, name), box};
        };
        const Entry price = entry("Stockcurrent Price", f.Text2), low = entry("Min", f.Text3),
                    volume = entry("Volume", f.Text4), high = entry("Max", f.Text5);

        // The corrections of one Enter are stored together.
        dao::Transaction tx = db.beginTransaction();
        dao::Recordset rs = db.openTable(MarketSchema::kStocksTable);
        if (!StockList::Walk(rs, chosen, [] { return false; })) {
            unchanged = true;
        } else {
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
            if (numericallyEqual(stored, typed)) {
                unchanged = true;
            } else {
                store(QStringLiteral("Stockcurrent price"), typed);
                const dao::Value max = rs.field(high.field), min = rs.field(low.field);
                if (!typed.isNull() && !max.isNull() && typed.toDouble() > max.toDouble())
                    store(high.field, typed);
                if (!typed.isNull() && !min.isNull() && typed.toDouble() < min.toDouble())
                    store(low.field, typed);
            }
        }
        rs.close();
        tx.commit();
    } catch (const std::exception& e) {
        Ui::MsgBox(Ui::Failure(QStringLiteral("The stock could not be changed; the market is as it was"), e),
            Ui::Buttons::OK, Ui::Icon::Critical, QStringLiteral("Edit stock"));
        return;
    }
    // Said once the change is stored, so that no write waits on the user.
    if (unchanged)
        Ui::MsgBox(QStringLiteral("No changes were made!"));
}

} // namespace Module1
