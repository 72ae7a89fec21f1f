#include "TradeRules.h"
#include "data/GameSchema.h"
#include "data/kit/MsgBox.h"
#include "data/kit/Numbers.h"
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

const QString kUnitsRefused = QStringLiteral("You must enter a valid units amount.");

QString plain(dao::Currency c) { return Numbers::PlainText(c); }

/// What a trade of the type did, as the desk and the status bar say it.
QString verb(Type type)
{
    return QString::fromLatin1(type == Type::Buy ? "bought"
            : type == Type::Sell                 ? "sold"
            : type == Type::CoverShort           ? "covered"
                                                 : "sold short");
}

/// The market's price of a symbol the book holds; none where it is not listed.
std::optional<dao::Currency> priceOf(const Book& book, const QString& symbol)
{
    const auto it = book.prices.constFind(symbol);
    return it == book.prices.constEnd() || it->isNull() ? std::nullopt : std::optional(it->toCurrency());
}

Verdict refused(const QString& why, bool forCash = false) { return {std::nullopt, why, forCash}; }

Verdict recorded(Type type, const Row& row)
{
    const int64_t units = std::abs(row.units);
    return {row,
        QStringLiteral("You %1 %2 of %3 at a price %4 for the overall sum %5")
            .arg(verb(type), QString::number(units), row.symbol, Numbers::FormatFourDecimals(row.price.toDouble()),
                plain(row.price * units)),
        false};
}

Verdict cashShort(dao::Currency sum, dao::Currency cash)
{
    return refused(
        QStringLiteral("Sum of this thansaction %1 and is more than your cash %2").arg(plain(sum), plain(cash)), true);
}

Verdict sellShort(const QString& symbol, dao::Currency price, int64_t units, int64_t held, const Book& book)
{
    if (held > 0)
        return refused(QStringLiteral("You hold %1 of %2: sell them before you sell short.").arg(held).arg(symbol));
    const Row row{symbol, price, -units, price * units};
    const Margin m = MarginOf(After(book, row), symbol, price);
    if (!m.AllowsShortSale())
        return refused(
            QStringLiteral("A short sale of %1 needs a balance of at least half of your short positions: "
                           "your balance would be %2 and half of your short positions %3.")
                .arg(plain(row.result), plain(m.balance), plain(dao::Currency::fromTicks(m.shorts.ticks() / 2))));
    return recorded(Type::SellShort, row);
}

Verdict cover(const QString& symbol, dao::Currency price, int64_t units, int64_t held, const Book& book)
{
    if (held >= 0)
        return refused(QStringLiteral("You have no short position in %1.").arg(symbol));
    if (units > -held)
        return refused(QStringLiteral("You are short only %1 of %2.").arg(-held).arg(symbol));
    if (price * units > book.cash)
        return cashShort(price * units, book.cash);
    return recorded(Type::CoverShort, {symbol, price, units, -(price * units)});
}

} // namespace

std::optional<QString> RefusedAsAsked(double units, Type type, bool stockChosen)
{
    // Whole: the log stores whole units, and the cash must agree with them.
    if (!(units > 0 && units == std::floor(units) && units <= 2147483647.0))
        return kUnitsRefused;
    if (type == Type::None)
        return QStringLiteral("Choose transaction type");
    if (!stockChosen) // nothing to price the trade with
        return QStringLiteral("Choose a stock from the list first.");
    return std::nullopt;
}

void Tell(const QString& refusal)
{
    if (refusal == kUnitsRefused)
        Ui::MsgBox(refusal, Ui::Buttons::OK, Ui::Icon::Exclamation, QStringLiteral("UnitsSheet Error"));
    else
        Ui::MsgBox(refusal);
}

QString Done(Type type, const Row& row)
{
    return QStringLiteral("%1 %2 of %3 at %4")
        .arg(verb(type))
        .arg(std::abs(row.units))
        .arg(row.symbol, plain(row.price));
}

Book Read(dao::Database& game, bool priced)
{
    Book b{Holdings::Cash(game), Holdings::Read(game), {}};
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
    const dao::Currency sum = price * units;
    const Holdings::Holding* h = Holdings::Find(book.held, symbol);
    const int64_t held = h ? Holdings::Units(*h) : 0;
    switch (type) {
    case Type::Buy:
        if (sum > book.cash)
            return cashShort(sum, book.cash);
        return recorded(type, {symbol, price, units, -sum});
    case Type::Sell:
        // Found by exact symbol in the query's order; a sale never opens a short.
        if (book.held.empty() || book.held.front().symbol.isEmpty())
            return refused(QStringLiteral("You don't have any stock to sell"));
        if (!h)
            return refused(QStringLiteral("You don't have this kind of stock!"));
        if (units > held)
            return refused(QStringLiteral("You don't have this number of stock"));
        return recorded(type, {symbol, price, -units, sum});
    case Type::SellShort:
        return sellShort(symbol, price, units, held, book);
    case Type::CoverShort:
        return cover(symbol, price, units, held, book);
    case Type::None:
        break;
    }
    return refused(QStringLiteral("Choose transaction type"));
}

Margin MarginOf(const Book& book, const QString& symbol, std::optional<dao::Currency> price)
{
    Margin m{book.cash, {}};
    for (const Holdings::Holding& h : book.held) {
        const int64_t units = Holdings::Units(h);
        const std::optional<dao::Currency> p = price && h.symbol == symbol ? price : priceOf(book, h.symbol);
        if (!p || units == 0)
            continue; // not listed: valued at 0, as the Balance does
        m.balance = m.balance + *p * units;
        if (units < 0)
            m.shorts = m.shorts + *p * -units;
    }
    return m;
}

std::vector<Row> CoverAll(const Book& book)
{
    std::vector<Row> rows;
    for (const Holdings::Holding& h : book.held) {
        const int64_t units = Holdings::Units(h);
        const std::optional<dao::Currency> price = priceOf(book, h.symbol);
        if (units < 0 && price)
            rows.push_back({h.symbol, *price, -units, -(*price * -units)});
    }
    return rows;
}

} // namespace TradeRules
