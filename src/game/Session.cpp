#include "Session.h"
#include "Calendar.h"

Session& Session::Current()
{
    static Session s;
    return s;
}

void Session::Open(const Game::Record& record)
{
    game_ = std::make_unique<Game>(record, clock_);
    // A game goes on after its last row, or from today's start where that is
    // later: no row of it is ever earlier than the one before.
    std::optional<QDateTime> from;
    if (record.lastPlayed)
        from = std::max(*record.lastPlayed, Calendar::DayStart(clock_.BaseDate()));
    clock_.Run(true, from);
    emit gameChanged(game_.get());
}

void Session::SetNews(bool on)
{
    if (!game_ || game_->news_ == on)
        return;
    game_->news_ = on;
    emit newsChanged(on);
}

void Session::Close()
{
    // Listeners hear of the end while the ended game is still whole.
    std::unique_ptr<Game> ended = std::move(game_);
    clock_.Run(false);
    emit gameChanged(nullptr);
}

void Session::Reset()
{
    disconnect();
    clock_.Reset();
    game_.reset();
}
