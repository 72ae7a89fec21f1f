#include "GameShell.h"
#include "data/kit/App.h"
#include "data/kit/Forms.h"
#include "data/kit/MsgBox.h"
#include "assets/Form6.h"
#include "assets/Form7.h"
#include "data/Form2.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "market/Form4.h"
#include "market/Form9.h"
#include "reports/Form11.h"
#include "reports/Form13.h"
#include "reports/Form5.h"
#include "trading/Form1.h"
#include "trading/Form3.h"
#include <QComboBox>
#include <QDir>

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
        {Form6::kFormName, show<Form6>},
        {Form7::kFormName, show<Form7>},
        {Form13::kFormName, show<Form13>},
        {frmAbout::kFormName, show<frmAbout>},
    };
    for (const auto& [name, showIt] : kWindows)
        if (qstrcmp(name, formName) == 0) {
            // A window whose load fails (a damaged market, say) is not left half-made.
            if (!Ui::Attempt(QStringLiteral("The window cannot be opened"), [&] { showIt(modal); }))
                Forms::Unload(Forms::Find(QString::fromLatin1(name)));
            return;
        }
    Ui::MsgBox(QStringLiteral("This window is not available in this version of %1.").arg(App::kTitle));
}

void ShowHelp(int context)
{
    const QString file = App::HelpFile().isEmpty() ? App::FilePath(QStringLiteral("zolthelp.hlp")) : App::HelpFile();
    Help::Parsed help = Help::ReadFile(file);
    if (!help.error.isEmpty()) {
        Ui::MsgBox(QStringLiteral("The help cannot be shown: the help file %1 %2.")
                       .arg(QDir::toNativeSeparators(file), help.error),
            Ui::Buttons::OK, Ui::Icon::Exclamation);
        return;
    }
    frmHelp& w = Forms::Get<frmHelp>();
    w.SetTopics(std::move(help.topics));
    w.ShowTopic(context);
    w.show();
    w.raise();
    w.activateWindow();
}

} // namespace GameShell
