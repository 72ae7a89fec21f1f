#include "FollowGame.h"
#include "Session.h"
#include "ui/Forms.h"

void FollowGame(QWidget* window, std::function<void(const Game&)> fill)
{
    QObject::connect(&Session::Current(), &Session::gameChanged, window, [window, fill](const Game* game) {
        if (game)
            fill(*game);
        else
            Forms::Unload(window);
    });
}
