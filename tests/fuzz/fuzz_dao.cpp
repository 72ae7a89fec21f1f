// Whatever names and SQL text the data layer is handed, it either does what
// was asked or refuses with its own error: it never crashes, and nothing but
// the named object is touched.
#include "dao/Dao.h"
#include <QTemporaryDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
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
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString name = text.section(QLatin1Char('\n'), 0, 0), sql = text.section(QLatin1Char('\n'), 1);
    auto tryTo = [](auto&& step) {
        try {
            step();
        } catch (const dao::Error&) {
        }
    };
    {
        dao::Transaction tx = db.beginTransaction(); // undone at the end: every input meets the same file
        tryTo([&] {
            db.appendTable(dao::TableDef(name, {{QStringLiteral("Price"), dao::FieldType::Currency}}));
            (void)db.minMax(name, QStringLiteral("Price"));
        });
        tryTo([&] {
            db.createQueryDef(name + QStringLiteral("Q"), sql);
            dao::Recordset rs = db.openSnapshot(name + QStringLiteral("Q"));
            for (int i = 0; i < rs.recordCount() && i < 50; ++i, rs.moveNext())
                (void)rs.field(QStringLiteral("Price"));
        });
        tryTo([&] { (void)db.compiles(sql), (void)db.openSnapshot(name); });
    }
    if (!db.hasTable(QStringLiteral("Keep")) || db.openTable(QStringLiteral("Keep")).recordCount() != 1)
        std::abort();
    return 0;
}
