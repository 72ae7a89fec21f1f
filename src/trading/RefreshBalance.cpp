#include "Form3.h"
#include "dao/Dao.h"
#include "data/Holdings.h"
#include "game/Module1.h"
#include "ui/Controls.h"
#include "ui/MsgBox.h"
#include "ui/Numbers.h"
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

namespace Module1 {

void RefreshBalance(const Game* game)
{
    Form3* loaded = Forms::IfLoadedElseLoad<Form3>();
    if (!loaded || !game)
        return;
    Form3& f = *loaded;
    try {
        dao::Database file = game->Open();
        const Holdings::Worth w = Holdings::WorthOf(file, game->StartingBalance);
        Controls::SetText(f.cashbalance, Numbers::PlainText(w.cash));
        f.showplayername->setText(game->PlayerName);
        Controls::SetText(f.Text3, w.stocks ? Numbers::PlainText(*w.stocks) : QString());
        Controls::SetText(f.Text4, Numbers::PlainText(w.balance()));
        f.lblNote->setText(w.unlisted.isEmpty()
                ? QString()
                : QCoreApplication::translate("Trading", "Not listed in the market, valued at 0: %1")
                      .arg(w.unlisted.join(", ")));
    } catch (const std::exception& e) {
        // Said in the window: a message box each second would lock the player out.
        f.lblNote->setText(Ui::Failure(QCoreApplication::translate("Trading", "The balance cannot be worked out"), e));
    }
}

} // namespace Module1
