#include "GameShell.h"
#include "PictureBox.h"
#include "app/kit/App.h"
#include "app/kit/Exchange.h"
#include "app/kit/Forms.h"
#include "app/kit/Module1.h"
#include "app/kit/MsgBox.h"
#include "app/kit/VbTimer.h"
#include "data/dao/Dao.h"
#include "frmEditor.h"
#include "frmHelp.h"
#include <QFile>
#include <QLabel>

namespace Module1 {

void CloseGame()
{
    frmEditor& ed = Forms::Get<frmEditor>();
    const QString path = App::GameFile();
    dao::releaseFile(path);
    QFile file(path);
    // A file already gone is no failure: the game ends all the same.
    if (file.exists() && !file.remove()) {
        // The game ends all the same; the user learns the file is still there.
        Ui::MsgBox(Ui::Failure(QStringLiteral("The game file \"%1\" could not be deleted").arg(GameFileName),
                       dao::FileError(file.errorString(), path)),
            Ui::Buttons::OK, Ui::Icon::Exclamation, QStringLiteral("File error"));
    }
    ed.Timer1->setEnabled(false);
    ed.Label1->setText(QString());
    Exchange::SetShown(std::nullopt);
    ed.Label2->setText(QString());
    GameFileName.clear();
    frmEditor::SetMenuState(ed.mnuAsset, false);
    frmEditor::SetMenuState(ed.mnuTools, false);
    frmEditor::SetMenuState(ed.mnuAnalyze, false);
    ed.mnuFileItem(3)->setEnabled(false);
    ed.tradeup->hide();
    ed.chartup->hide();
    ed.balup->hide();
    ed.Timer1->setEnabled(false);
    ed.Timer2->setEnabled(false);
    // Help is no part of the game: it stays open.
    for (QWidget* w : Forms::Loaded())
        if (w->objectName() != QLatin1String(frmEditor::kFormName) &&
            w->objectName() != QLatin1String(frmHelp::kFormName))
            Forms::Unload(w);
}

} // namespace Module1
