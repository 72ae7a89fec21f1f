#include "Game.h"
#include "ui/App.h"

Game::Game(const Record& r, GameClock& clock)
    : PlayerName(r.player), GameFileName(r.fileName), Id(r.id), StartingBalance(r.startingBalance), clock_(clock)
{
    news_ = r.news;
}

QString Game::Path() const { return App::FilePath(GameFileName); }

dao::Database Game::Open() const { return dao::Database::open(Path()); }
