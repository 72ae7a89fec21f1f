#include "data/dao/Dao.h"
#include "data/kit/App.h"
#include "data/kit/Forms.h"
#include "data/kit/MainWindow.h"
#include "data/kit/Module1.h"
#include "data/kit/MsgBox.h"
#include "frmEditor.h"
#include "frmHelp.h"
#include <QFile>

namespace Module1 {

void CloseGame()
{
    const QString path = App::GameFile();
    dao::releaseFile(path);
    QFile file(path);
    // A file already gone is no failure. One that cannot be deleted is said,
    // and the game ends all the same.
    if (file.exists() && !file.remove()) {
        Ui::MsgBox(Ui::Failure(QStringLiteral("The game file \"%1\" could not be deleted").arg(GameFileName),
                       dao::FileError(file.errorString(), path)),
            Ui::Buttons::OK, Ui::Icon::Exclamation, QStringLiteral("File error"));
    }
    MainWindow::ShowClock(std::nullopt); // a new game starts the clock's day afresh
    GameFileName.clear();
    MainWindow::ShowGame(false); // menus, toolbar and both timers
    // Help is no part of the game: it stays open.
    for (QWidget* w : Forms::Loaded())
        if (w->objectName() != QLatin1String(frmEditor::kFormName) &&
            w->objectName() != QLatin1String(frmHelp::kFormName))
            Forms::Unload(w);
}

} // namespace Module1
