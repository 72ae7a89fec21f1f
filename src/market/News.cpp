#include "News.h"
#include "dao/Dao.h"
#include "data/MarketSchema.h"
#include "ui/Numbers.h"
#include <QCoreApplication>
#include <algorithm>

namespace Market::News {

namespace {
// What a headline says: stored as its source words and the company's name,
// so that every language shows it, beside how it reads in English.
const char* const kGood[] = {QT_TRANSLATE_NOOP("News", "%1 wins a large contract"),
    QT_TRANSLATE_NOOP("News", "Takeover talk around %1"), QT_TRANSLATE_NOOP("News", "%1 raises its forecast")};
const char* const kBad[] = {QT_TRANSLATE_NOOP("News", "%1 warns on profits"),
    QT_TRANSLATE_NOOP("News", "Inquiry into %1's accounts"),
    QT_TRANSLATE_NOOP("News", "%1 loses its largest customer")};
const char* const kRally[] = {QT_TRANSLATE_NOOP("News", "Markets rally on strong figures"),
    QT_TRANSLATE_NOOP("News", "Markets rally as interest rates fall")};
const char* const kSlide[] = {QT_TRANSLATE_NOOP("News", "Markets slide on fears of a recession"),
    QT_TRANSLATE_NOOP("News", "Markets slide as interest rates rise")};
const char* const kRumourUp = QT_TRANSLATE_NOOP("News", "Rumour: %1 is about to win a large order");
const char* const kRumourDown = QT_TRANSLATE_NOOP("News", "Rumour: %1 is in trouble");
const char* const kDenied = QT_TRANSLATE_NOOP("News", "%1 denies the rumour");

template <size_t N> QString pick(const char* const (&phrases)[N], const Draw& draw)
{
    return QString::fromUtf8(phrases[draw(1, int(N)) - 1]);
}

Direction upOrDown(const Draw& draw) { return draw(1, 2) == 1 ? Direction::Up : Direction::Down; }
int drawn(const Draw& draw, Range r) { return draw(r.lo, r.hi); }
Direction against(Direction d) { return d == Direction::Up ? Direction::Down : Direction::Up; }

Kind kindOf(const dao::Value& v)
{
    const QString code = Numbers::PlainText(v);
    return code == KindCode(Kind::Rumour) ? Kind::Rumour : code == KindCode(Kind::News) ? Kind::News : Kind::Denied;
}
} // namespace

QString KindCode(Kind k)
{
    return k == Kind::Rumour ? QStringLiteral("rumour")
        : k == Kind::News    ? QStringLiteral("news")
                             : QStringLiteral("denied");
}
QString DirectionCode(Direction d) { return d == Direction::Up ? QStringLiteral("up") : QStringLiteral("down"); }

QString English(const QString& phrase, const QString& company)
{
    return company.isEmpty() ? phrase : phrase.arg(company);
}

QString Shown(const QString& phrase, const QString& company)
{
    return English(QCoreApplication::translate("News", phrase.toUtf8().constData()), company);
}

int TiltedDraw(const Tilt& tilt, const Draw& draw)
{
    if (!tilt.side)
        return draw(1, 100);
    const bool onItsSide = draw(1, 100) <= tilt.share;
    const bool up = (*tilt.side == Direction::Up) == onItsSide;
    return up ? draw(50, 100) : draw(1, 49);
}

Move::Move(std::vector<Item> running, Draw draw)
    : items_(std::move(running)), tookTurn_(items_.size(), false), draw_(std::move(draw))
{
    for (int i = 0; i < int(items_.size()); ++i) {
        if (items_[size_t(i)].symbol.isEmpty())
            market_ = i;
        else
            bySymbol_.insert(items_[size_t(i)].symbol, i);
    }
    if (!market_ && draw_(1, kOdds.market) == 1) {
        const Direction d = upOrDown(draw_);
        const int moves = drawn(draw_, kOdds.marketMoves);
        add({-1, {}, Kind::News, d, moves, d == Direction::Up ? pick(kRally, draw_) : pick(kSlide, draw_), {}});
        market_ = int(items_.size()) - 1;
        marketJump_ = jump(d, kOdds.marketJump);
    }
}

double Move::jump(Direction d, Range range) const
{
    const double by = drawn(draw_, range) / 10000.0;
    return d == Direction::Up ? 1 + by : 1 - by;
}

Item& Move::add(Item item)
{
    item.changed = true;
    items_.push_back(std::move(item));
    tookTurn_.push_back(true); // made in its stock's turn, or the market's own
    Item& added = items_.back();
    if (!added.symbol.isEmpty() && added.kind != Kind::Denied)
        bySymbol_.insert(added.symbol, int(items_.size()) - 1);
    return added;
}

void Move::startNews(const QString& symbol, const QString& name, Direction d)
{
    const int moves = drawn(draw_, d == Direction::Up ? kOdds.goodMoves : kOdds.badMoves);
    add({-1, symbol, Kind::News, d, moves, d == Direction::Up ? pick(kGood, draw_) : pick(kBad, draw_), name});
}

Tilt Move::Stock(const QString& symbol, const QString& name)
{
    const int own = bySymbol_.value(symbol, -1);
    if (own >= 0)
        tookTurn_[size_t(own)] = true;
    Tilt tilt;
    if (const int i = own; i >= 0 && items_[size_t(i)].kind == Kind::Rumour) {
        Item& rumour = items_[size_t(i)];
        rumour.changed = true;
        if (--rumour.movesLeft == 0) {
            bySymbol_.remove(symbol);
            const Direction d = rumour.direction;
            if (draw_(1, kOdds.denied) == 1) {
                add({-1, symbol, Kind::Denied, d, 0, QString::fromUtf8(kDenied), name});
                tilt.jump = jump(against(d), kOdds.denialJump); // the price falls back from the rumour
            } else {
                startNews(symbol, name, d);
            }
        }
    } else if (i < 0 && draw_(1, kOdds.stock) == 1) {
        const Direction d = upOrDown(draw_);
        if (draw_(1, kOdds.heardFirst) == 1)
            add({-1, symbol, Kind::Rumour, d, drawn(draw_, kOdds.lead),
                QString::fromUtf8(d == Direction::Up ? kRumourUp : kRumourDown), name});
        else
            startNews(symbol, name, d);
    }
    if (const int i = bySymbol_.value(symbol, -1); i >= 0 && items_[size_t(i)].kind == Kind::News) {
        Item& news = items_[size_t(i)];
        if (news.at < 0) // the move that brings it
            tilt.jump = jump(news.direction, news.direction == Direction::Up ? kOdds.goodJump : kOdds.badJump);
        news.changed = true;
        if (--news.movesLeft == 0)
            bySymbol_.remove(symbol);
        tilt.side = news.direction;
        tilt.share = kOdds.companyShare;
        return tilt;
    }
    if (market_ && !bySymbol_.contains(symbol)) {
        const Item& market = items_[size_t(*market_)];
        tilt.side = market.direction;
        tilt.share = kOdds.marketShare;
        if (market.at < 0)
            tilt.jump *= marketJump_;
    }
    return tilt;
}

std::vector<Item> Move::Finish()
{
    if (market_) {
        items_[size_t(*market_)].changed = true;
        --items_[size_t(*market_)].movesLeft;
    }
    // A stock no longer listed takes no turn: its news runs out all the same.
    for (auto it = bySymbol_.begin(); it != bySymbol_.end(); ++it)
        if (!tookTurn_[size_t(it.value())]) {
            Item& item = items_[size_t(it.value())];
            item.changed = true;
            item.movesLeft = item.kind == Kind::Rumour ? 0 : item.movesLeft - 1;
        }
    return std::move(items_);
}

Table::Table(dao::Database& market, int64_t firstRunning, Draw draw) : db_(market)
{
    using namespace MarketSchema;
    EnsureNews(db_);
    dao::Recordset last = db_.openTable(kNewsTable);
    last.moveLast();
    end_ = last.eof() ? 0 : last.bookmark();
    last.close();
    from_ = firstRunning <= end_ + 1 ? std::max<int64_t>(firstRunning, 0) : 0; // the table was emptied since
    std::vector<Item> running;
    for (dao::Recordset rs = db_.openTableAt(kNewsTable, from_); !rs.eof(); rs.moveNext()) {
        const dao::Value left = rs.field(kMovesLeftField);
        const Kind kind = kindOf(rs.field(kKindField));
        if (kind == Kind::Denied || !left.isNumber() || left.toDouble() <= 0)
            continue;
        running.push_back({rs.bookmark(), Numbers::PlainText(rs.field(kNewsSymbolField)), kind,
            Numbers::PlainText(rs.field(kDirectionField)) == DirectionCode(Direction::Down) ? Direction::Down
                                                                                            : Direction::Up,
            int(left.toDouble()), {}, {}});
    }
    move_.emplace(std::move(running), std::move(draw));
}

int64_t Table::Write(const QDateTime& time, QStringList& told)
{
    using namespace MarketSchema;
    std::vector<Item> items = move_->Finish();
    QHash<int64_t, int> leftAt; // a running row's new count, by its bookmark
    for (const Item& item : items)
        if (item.at >= 0 && item.changed)
            leftAt.insert(item.at, item.movesLeft);
    int left = int(leftAt.size());
    for (dao::Recordset rs = db_.openTableAt(kNewsTable, from_); left > 0 && !rs.eof(); rs.moveNext())
        if (const auto it = leftAt.constFind(rs.bookmark()); it != leftAt.cend()) {
            rs.edit();
            rs.setField(kMovesLeftField, *it);
            rs.update();
            --left;
        }
    int64_t next = end_ + 1, first = -1;
    dao::Recordset rs = db_.openTable(kNewsTable);
    for (Item& item : items) {
        if (item.at < 0) {
            rs.addNew();
            rs.setField(kNewsTimeField, time);
            rs.setField(kNewsSymbolField, item.symbol);
            rs.setField(kKindField, KindCode(item.kind));
            rs.setField(kHeadlineField, English(item.phrase, item.company));
            rs.setField(kPhraseField, item.phrase);
            rs.setField(kCompanyField, item.company);
            rs.setField(kDirectionField, DirectionCode(item.direction));
            rs.setField(kMovesLeftField, item.movesLeft);
            rs.update();
            item.at = rs.lastModified();
            next = item.at + 1;
            told << Shown(item.phrase, item.company);
        }
        if (item.movesLeft > 0 && (first < 0 || item.at < first))
            first = item.at;
    }
    return first < 0 ? next : first;
}

std::vector<Line> Read(dao::Database& market, int64_t after)
{
    using namespace MarketSchema;
    std::vector<Line> lines;
    if (!market.hasTable(kNewsTable))
        return lines;
    for (dao::Recordset rs = market.openTableAt(kNewsTable, after + 1); !rs.eof(); rs.moveNext()) {
        const dao::Value t = rs.field(kNewsTimeField);
        lines.push_back({rs.bookmark(), t.kind() == dao::Value::Kind::DateTime ? t.asDateTime() : QDateTime(),
            Shown(Numbers::PlainText(rs.field(kPhraseField)), Numbers::PlainText(rs.field(kCompanyField)))});
    }
    return lines;
}

} // namespace Market::News
