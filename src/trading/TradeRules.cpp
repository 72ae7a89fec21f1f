#include "TradeRules.h"
#include "data/GameSchema.h"
#include "ui/Numbers.h"
#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

namespace TradeRules {

Book After(Book book, const Row& row)
{
    book.cash = book.cash + row.result;
    for (Holdings::Holding& h : book.held)
        if (h.symbol == row.symbol) {
            h.units = dao::Value(Holdings::Units(h) + row.units);
            return book;
        }
    book.held.push_back({row.symbol, dao::Value(row.units)});
    return book;
}

namespace {

QString plain(dao::Currency c) { return Numbers::PlainText(c); }

/// What a trade of the type did, as the desk and the status bar say it.
QString verb(Type type)
{
    //: What a trade did: "You bought 10 of ALDR", "bought 10 of ALDR at 12.34".
    return type == Type::Buy       ? QCoreApplication::translate("Trading", "bought")
        : type == Type::Sell       ? QCoreApplication::translate("Trading", "sold")
        : type == Type::CoverShort ? QCoreApplication::translate("Trading", "covered")
                                   : QCoreApplication::translate("Trading", "sold short");
}

Verdict refused(const char* source, QStringList args = {}, bool forCash = false)
{
    const Words why{source, std::move(args)};
    return {std::nullopt, why.Shown(), why, forCash};
}

/// Money as a refusal keeps it: the same in every language.
QString kept(dao::Currency c) { return c.toPlainString(); }

Verdict recorded(Type type, const Row& row)
{
    return {row,
        QCoreApplication::translate("Trading", "You %1 %2 of %3 at a price %4 for the overall sum %5")
            .arg(verb(type), QString::number(std::abs(row.units)), row.symbol,
                Numbers::FormatFourDecimals(row.price.toDouble()), plain(row.sum())),
        {}, false};
}

Verdict cashShort(dao::Currency sum, dao::Currency cash)
{
    return refused(QT_TRANSLATE_NOOP("Trading", "Sum of this thansaction %1 and is more than your cash %2"),
        {kept(sum), kept(cash)}, true);
}

Verdict sellShort(const QString& symbol, dao::Currency price, int64_t units, int64_t held, const Book& book)
{
    if (held > 0)
        return refused(QT_TRANSLATE_NOOP("Trading", "You hold %1 of %2: sell them before you sell short."),
            {QString::number(held), symbol});
    const Row row = RowOf(Type::SellShort, symbol, price, units);
    const Margin m = MarginOf(After(book, row), symbol, price);
    if (!m.AllowsShortSale())
        return refused(QT_TRANSLATE_NOOP("Trading",
                           "A short sale of %1 needs a balance of at least half of your short positions: "
                           "your balance would be %2 and half of your short positions %3."),
            {kept(row.result), kept(m.balance), kept(dao::Currency::fromTicks(m.shorts.ticks() / 2))});
    return recorded(Type::SellShort, row);
}

Verdict cover(const QString& symbol, dao::Currency price, int64_t units, int64_t held, const Book& book)
{
    if (held >= 0)
        return refused(QT_TRANSLATE_NOOP("Trading", "You have no short position in %1."), {symbol});
    if (units > -held)
        return refused(QT_TRANSLATE_NOOP("Trading", "You are short only %1 of %2."), {QString::number(-held), symbol});
    const Row row = RowOf(Type::CoverShort, symbol, price, units);
    if (row.sum() > book.cash)
        return cashShort(row.sum(), book.cash);
    return recorded(Type::CoverShort, row);
}

} // namespace

QString Words::Shown() const
{
    QString text = QCoreApplication::translate("Trading", source);
    for (const QString& a : args) {
        // A number is shown in the player's form; a symbol as it is.
        static const QRegularExpression plainNumber(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
        text =
            text.arg(plainNumber.match(a).hasMatch() ? Numbers::PlainText(dao::Currency::fromDouble(a.toDouble())) : a);
    }
    return text;
}

QString Words::Stored() const
{
    QStringList parts{QString::fromUtf8(source)};
    parts += args;
    return parts.join(QChar(0x1f)); // a separator no text holds
}

QString Words::Shown(const QString& stored)
{
    const QStringList parts = stored.split(QChar(0x1f));
    const QByteArray source = parts.front().toUtf8();
    return Words{source.constData(), parts.mid(1)}.Shown();
}

QString Caption(Type type)
{
    switch (type) {
    case Type::Buy:
        return QCoreApplication::translate("Trading", "Buy");
    case Type::Sell:
        return QCoreApplication::translate("Trading", "Sell");
    case Type::CoverShort:
        return QCoreApplication::translate("Trading", "Cover short");
    case Type::SellShort:
        return QCoreApplication::translate("Trading", "Sell short");
    case Type::None:
        break;
    }
    return {};
}

Row RowOf(Type type, const QString& symbol, dao::Currency price, int64_t units)
{
    const dao::Currency sum = price * units;
    // What is bought or covered comes in and is paid for; what is sold goes out and pays.
    if (type == Type::Buy || type == Type::CoverShort)
        return {symbol, price, units, -sum};
    return {symbol, price, -units, sum};
}

std::optional<Refusal> RefusedAsAsked(double units, Type type, bool stockChosen)
{
    // Whole: the log stores whole units, and the cash must agree with them.
    if (!(units > 0 && units == std::floor(units) && units <= 2147483647.0))
        return Refusal::Units;
    if (type == Type::None)
        return Refusal::Type;
    if (!stockChosen) // nothing to price the trade with
        return Refusal::Stock;
    return std::nullopt;
}

Said SaidOf(Refusal refusal)
{
    switch (refusal) {
    case Refusal::Units:
        return {QCoreApplication::translate("Trading", "You must enter a valid units amount."),
            QCoreApplication::translate("Trading", "UnitsSheet Error"), true};
    case Refusal::Type:
        return {QCoreApplication::translate("Trading", "Choose transaction type")};
    case Refusal::Stock:
        break;
    }
    return {QCoreApplication::translate("Trading", "Choose a stock from the list first.")};
}

QString Done(Type type, const Row& row)
{
    return QCoreApplication::translate("Trading", "%1 %2 of %3 at %4")
        .arg(verb(type))
        .arg(std::abs(row.units))
        .arg(row.symbol, plain(row.price));
}

Book Read(dao::Database& file, dao::Currency startingBalance, bool priced)
{
    Book b{Holdings::Cash(file, startingBalance), Holdings::Read(file), {}};
    if (priced && !b.held.empty())
        b.prices = Holdings::CurrentPrices(b.held);
    return b;
}

void Record(dao::Database& game, const Row& row)
{
    GameSchema::AppendTrade(game, row.symbol, row.price, row.units, row.result);
}

Verdict Weigh(Type type, const QString& symbol, dao::Currency price, int64_t units, const Book& book)
{
    const Holdings::Holding* h = Holdings::Find(book.held, symbol);
    const int64_t held = h ? Holdings::Units(*h) : 0;
    switch (type) {
    case Type::Buy: {
        const Row row = RowOf(type, symbol, price, units);
        if (row.sum() > book.cash)
            return cashShort(row.sum(), book.cash);
        return recorded(type, row);
    }
    case Type::Sell:
        // Found by exact symbol in the query's order; a sale never opens a short.
        if (book.held.empty() || book.held.front().symbol.isEmpty())
            return refused(QT_TRANSLATE_NOOP("Trading", "You don't have any stock to sell"));
        if (!h)
            return refused(QT_TRANSLATE_NOOP("Trading", "You don't have this kind of stock!"));
        if (units > held)
            return refused(QT_TRANSLATE_NOOP("Trading", "You don't have this number of stock"));
        return recorded(type, RowOf(type, symbol, price, units));
    case Type::SellShort:
        return sellShort(symbol, price, units, held, book);
    case Type::CoverShort:
        return cover(symbol, price, units, held, book);
    case Type::None:
        break;
    }
    return refused(QT_TRANSLATE_NOOP("Trading", "Choose transaction type"));
}

Margin MarginOf(const Book& book, const QString& symbol, std::optional<dao::Currency> price)
{
    Holdings::Prices prices = book.prices;
    if (price)
        prices.insert(symbol, dao::Value(*price));
    // The Balance's sum, where a symbol not listed counts 0.
    Margin m{Holdings::WorthAt(book.cash, book.held, prices).balance(), {}};
    for (const Holdings::Holding& h : book.held)
        if (const int64_t units = Holdings::Units(h); units < 0)
            m.shorts = m.shorts + Holdings::ValueAt(prices, h.symbol, -units).value_or(dao::Currency());
    return m;
}

std::vector<Row> CoverAll(const Book& book)
{
    std::vector<Row> rows;
    for (const Holdings::Holding& h : book.held) {
        const int64_t units = Holdings::Units(h);
        const std::optional<dao::Currency> price = Holdings::ListedPrice(book.prices, h.symbol);
        if (units < 0 && price)
            rows.push_back(RowOf(Type::CoverShort, h.symbol, *price, -units));
    }
    return rows;
}

} // namespace TradeRules
