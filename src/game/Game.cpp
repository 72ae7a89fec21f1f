#include "Game.h"
#include "ui/App.h"

Game::Game(QString playerName, QString gameFileName, dao::Currency startingBalance, GameClock& clock)
    : PlayerName(std::move(playerName)),
      GameFileName(std::move(gameFileName)),
      StartingBalance(startingBalance),
      clock_(clock)
{
}

QString Game::Path() const { return App::FilePath(GameFileName); }

dao::Database Game::Open() const { return dao::Database::open(Path()); }
