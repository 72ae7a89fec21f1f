#include "Form3.h"
#include "data/Holdings.h"
#include "data/dao/Dao.h"
#include "data/kit/App.h"
#include "data/kit/Controls.h"
#include "data/kit/Module1.h"
#include "data/kit/MsgBox.h"
#include "data/kit/Numbers.h"
#include "data/kit/Session.h"
#include <QLabel>
#include <QLineEdit>

namespace Module1 {

void RefreshBalance()
{
    Form3* loaded = Forms::IfLoadedElseLoad<Form3>();
    if (!loaded)
        return;
    Form3& f = *loaded;
    if (!Session::Current().IsOpen())
        return;
    try {
        dao::Database game = dao::Database::open(App::GameFile());
        const Holdings::Worth w = Holdings::WorthOf(game);
        Controls::SetText(f.cashbalance, Numbers::PlainText(w.cash));
        f.showplayername->setText(Numbers::PlainText(PlayerName));
        Controls::SetText(f.Text3, w.stocks ? Numbers::PlainText(*w.stocks) : QString());
        Controls::SetText(f.Text4, Numbers::PlainText(w.balance()));
        f.lblNote->setText(w.unlisted.isEmpty()
                ? QString()
                : QStringLiteral("Not listed in the market, valued at 0: %1").arg(w.unlisted.join(", ")));
    } catch (const std::exception& e) {
        // Said in the window: a message box each second would lock the player out.
        f.lblNote->setText(Ui::Failure(QStringLiteral("The balance cannot be worked out"), e));
    }
}

} // namespace Module1
