#include "Session.h"
#include "Module1.h"

Session& Session::Current()
{
    static Session s;
    return s;
}

void Session::Open(const QString& player, const QString& fileName)
{
    Module1::PlayerName = player;
    Module1::GameFileName = fileName;
    open_ = true;
    SetClock(std::nullopt); // the new game's first minute starts its day
    emit gameChanged(true);
}

void Session::Close()
{
    Module1::GameFileName.clear();
    open_ = false;
    SetClock(std::nullopt);
    emit gameChanged(false);
}

void Session::SetClock(const std::optional<QDateTime>& t)
{
    clock_ = t;
    emit clockChanged(t);
}

void Session::Reset()
{
    disconnect();
    open_ = false;
    clock_.reset();
    baseDate_ = QDate::currentDate();
    Module1::GameFileName.clear();
    Module1::PlayerName = dao::Null{};
}
