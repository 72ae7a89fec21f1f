#include "dao/Dao.h"
#include "frmEditor.h"
#include "frmHelp.h"
#include "game/Module1.h"
#include "game/Session.h"
#include "ui/Forms.h"
#include "ui/MsgBox.h"
#include <QCoreApplication>

namespace Module1 {

void CloseGame()
{
    // A file already gone is no failure. One that cannot be deleted is said,
    // and the game ends all the same.
    const Game* game = Session::Current().CurrentGame();
    if (!game)
        return;
    try {
        dao::removeFile(game->Path());
    } catch (const std::exception& e) {
        Ui::MsgBox(Ui::Failure(QCoreApplication::translate("Shell", "The game file \"%1\" could not be deleted")
                                   .arg(game->GameFileName),
                       e),
            Ui::Buttons::OK, Ui::Icon::Exclamation, QCoreApplication::translate("Shell", "File error"));
    }
    Session::Current().Close(); // menus, toolbar, both timers and the clock
    // Help is no part of the game: it stays open.
    for (QWidget* w : Forms::Loaded())
        if (!dynamic_cast<frmEditor*>(w) && !dynamic_cast<frmHelp*>(w))
            Forms::Unload(w);
}

} // namespace Module1
