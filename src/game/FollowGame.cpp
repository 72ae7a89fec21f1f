#include "FollowGame.h"
#include "Session.h"
#include "ui/Forms.h"

void FollowGame(
    QWidget* window, std::initializer_list<Change> follows, std::function<void(const Game&, Change)> fill)
{
    Session& session = Session::Current();
    QObject::connect(&session, &Session::gameChanged, window, [window, fill](const Game* game) {
        if (game)
            fill(*game, Change::Game);
        else
            Forms::Unload(window);
    });
    auto follow = [&](auto signal, Change change) {
        QObject::connect(&session, signal, window, [fill, change] {
            if (const Game* game = Session::Current().CurrentGame())
                fill(*game, change);
        });
    };
    for (Change c : follows) {
        if (c == Change::Move)
            follow(&Session::moved, c);
        else if (c == Change::Trade)
            follow(&Session::traded, c);
        else if (c == Change::Orders)
            follow(&Session::ordersChanged, c);
    }
}
