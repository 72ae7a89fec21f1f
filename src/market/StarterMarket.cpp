#include "StarterMarket.h"
#include "PriceFactor.h"
#include "dao/Dao.h"
#include "data/MarketSchema.h"
#include <algorithm>
#include <random>

namespace StarterMarket {

namespace {
struct Company {
    const char* symbol;
    const char* name;
    double openingPrice;
};
constexpr Company kCompanies[] = {{"ALDR", "Aldren Mining", 42.5}, {"BRKW", "Brookway Foods", 18.2},
    {"CINX", "Cinderix Software", 112.0}, {"DVLT", "Dovelight Pharma", 76.4}, {"EMBR", "Emberline Energy", 55.0},
    {"FRST", "Frostmere Textiles", 9.8}, {"GLNT", "Glenthorn Steel", 31.75}, {"HALC", "Halcyon Airways", 24.6},
    {"IVRY", "Ivory Bay Shipping", 14.3}, {"JSPR", "Jasper and Vane Bank", 88.9}, {"KSTL", "Kestrel Motors", 63.2},
    {"LUMN", "Lumina Telecom", 27.45}, {"MRDN", "Meridian Water", 12.6}, {"NVLS", "Novalis Chemicals", 150.0}};
} // namespace

void Build(const QString& path, unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> draw(1, 100);
    dao::Database db = dao::Database::create(path);
    dao::Transaction tx = db.beginTransaction();
    MarketSchema::CreateStocksTable(db);
    dao::Recordset stocks = db.openTable(MarketSchema::kStocksTable);
    for (const Company& c : kCompanies) {
        std::vector<dao::Currency> history;
        double price = c.openingPrice;
        history.push_back(dao::Currency::fromDouble(price));
        while (int(history.size()) < kHistoryRows) {
            price = price * Market::PriceFactor(draw(gen)) / 100;
            history.push_back(dao::Currency::fromDouble(price));
        }
        const QString symbol = QString::fromLatin1(c.symbol);
        MarketSchema::CreateStockObjects(db, symbol, history);
        // The last trading day's range: its final 42 ticks.
        const auto day = history.end() - 42;
        stocks.addNew();
        using namespace MarketSchema;
        stocks.setField(kSymbolField, symbol);
        stocks.setField(kNameField, QString::fromLatin1(c.name));
        stocks.setField(kPriceField, history.back());
        stocks.setField(kMinField, *std::min_element(day, history.end()));
        stocks.setField(kMaxField, *std::max_element(day, history.end()));
        stocks.setField(kVolumeField, 0.0);
        stocks.update();
    }
    stocks.close();
    tx.commit();
    db.close();
}

} // namespace StarterMarket
