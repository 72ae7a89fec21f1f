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
    clock_.Run(true);
    emit gameChanged(true);
}

void Session::Close()
{
    Module1::GameFileName.clear();
    open_ = false;
    clock_.Run(false);
    emit gameChanged(false);
}

void Session::Reset()
{
    disconnect();
    clock_.Reset();
    open_ = false;
    Module1::GameFileName.clear();
    Module1::PlayerName = dao::Null{};
}
