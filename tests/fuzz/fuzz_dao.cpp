// Whatever names and SQL text the data layer is handed, it either does what
// was asked or refuses with its own error: it never crashes, and nothing but
// the named object is touched.
#include "data/dao/Dao.h"
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {
dao::Database& scratch()
{
    static QTemporaryDir dir;
    static dao::Database db = [] {
        dao::Database d = dao::Database::create(dir.filePath(QStringLiteral("fuzz.tqs")));
        d.appendTable(dao::TableDef(QStringLiteral("Keep"), {{QStringLiteral("Price"), dao::FieldType::Currency}}));
        dao::Recordset rs = d.openTable(QStringLiteral("Keep"));
        rs.addNew();
        rs.setField(QStringLiteral("Price"), 12.5);
        rs.update();
        return d;
    }();
    return db;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype cut = text.indexOf(QLatin1Char('\n'));
    const QString name = cut < 0 ? text : text.left(cut);
    const QString sql = cut < 0 ? QString() : text.mid(cut + 1);
    dao::Database& db = scratch();
    {
        // Undone at the end, so every input meets the same file.
        dao::Transaction tx = db.beginTransaction();
        try {
            db.appendTable(dao::TableDef(name, {{QStringLiteral("Price"), dao::FieldType::Currency}}));
            (void)db.minMax(name, QStringLiteral("Price"));
        } catch (const dao::Error&) {
        }
        try {
            db.createQueryDef(name + QStringLiteral("Q"), sql);
            dao::Recordset rs = db.openSnapshot(name + QStringLiteral("Q"));
            for (int i = 0; i < rs.recordCount() && i < 50; ++i, rs.moveNext())
                (void)rs.field(QStringLiteral("Price"));
        } catch (const dao::Error&) {
        }
        try {
            (void)db.openSnapshot(name);
            (void)db.hasTable(name);
        } catch (const dao::Error&) {
        }
        if (!db.hasTable(QStringLiteral("Keep")) || db.openTable(QStringLiteral("Keep")).recordCount() != 1)
            std::abort();
    }
    if (!db.hasTable(QStringLiteral("Keep")) || db.openTable(QStringLiteral("Keep")).recordCount() != 1)
        std::abort();
    return 0;
}
