#include "GameShell.h"
#include "App.h"
#include "Forms.h"
#include "Module1.h"
#include "MsgBox.h"
#include "data/Form2.h"
#include "trading/Form1.h"
#include "trading/Form3.h"
#include <QFileInfo>

namespace GameShell {

namespace {
template <class T> void show(bool modal)
{
    T& w = Forms::Get<T>();
    if (modal) {
        w.setWindowModality(Qt::ApplicationModal);
    }
    w.show();
    w.raise();
    w.activateWindow();
}
} // namespace

void ShowWindow(const char* formName, bool modal)
{
    const QString name = QString::fromLatin1(formName);
    if (name == QLatin1String(Form2::kFormName))
        return show<Form2>(modal);
    if (name == QLatin1String(Form1::kFormName))
        return show<Form1>(modal);
    if (name == QLatin1String(Form3::kFormName))
        return show<Form3>(modal);
    Ui::MsgBox(QStringLiteral("This window is not available in this version of %1.").arg(App::kTitle));
}

void ShowHelp(int context)
{
    const QString file = App::HelpFile().isEmpty() ? App::FilePath(QStringLiteral("zolthelp.hlp")) : App::HelpFile();
    if (!QFileInfo(file).isFile()) {
        Ui::MsgBox(
            QStringLiteral("The help file %1 cannot be found.").arg(file), Ui::Buttons::OK, Ui::Icon::Exclamation);
        return;
    }
    Ui::MsgBox(QStringLiteral("The help viewer is not available in this version (topic %1).").arg(context));
}

QString MarketDatabasePath() { return App::FilePath(QStringLiteral("stocks.tqs")); }

QString GameFilePath() { return App::FilePath(Module1::GameFileName); }

} // namespace GameShell
