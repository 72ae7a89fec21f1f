#include "GameShell.h"
#include "App.h"
#include "Forms.h"
#include "Module1.h"
#include "MsgBox.h"
#include "data/Form2.h"
#include "trading/Form1.h"
#include "market/Form4.h"
#include "market/Form9.h"
#include "reports/Reports.h"
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
    using Show = void (*)(bool);
    static const std::pair<const char*, Show> kWindows[] = {
        {Form1::kFormName, show<Form1>},
        {Form2::kFormName, show<Form2>},
        {Form3::kFormName, show<Form3>},
        {Form4::kFormName, show<Form4>},
        {Form5::kFormName, show<Form5>},
        {Form9::kFormName, show<Form9>},
        {Form11::kFormName, show<Form11>},
        {Form13::kFormName, show<Form13>},
    };
    for (const auto& [name, showIt] : kWindows)
        if (qstrcmp(name, formName) == 0)
            return showIt(modal);
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
