#include "MainWindow.h"
#include "ui/App.h"
#include "ui/Forms.h"
#include "ui/MsgBox.h"
#include <QApplication>
#include <QCoreApplication>
#include <QStandardPaths>
#include <QTimer>

namespace {
/// The last line of defence: a failure no handler caught is told, and the
/// program goes on, rather than ending with the player's windows.
class Application : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* e) override
    {
        try {
            return QApplication::notify(receiver, e);
        } catch (const std::exception& ex) {
            Ui::MsgBox(
                QCoreApplication::translate("Shell", "Something went wrong: %1").arg(QString::fromUtf8(ex.what())),
                Ui::Buttons::OK, Ui::Icon::Critical);
            return false;
        }
    }
};
} // namespace

int main(int argc, char** argv)
{
    Application app(argc, argv);
    QApplication::setApplicationName(App::kTitle);
    App::InstallTranslations(QLocale::system()); // the desktop's language, where there is a catalogue for it
    // An installed copy keeps the market and the games where the desktop keeps
    // each user's program data: ~/.local/share/varnel-ticora, or on Windows
    // %LOCALAPPDATA%\Varnel Ticora.
#ifdef Q_OS_WIN
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
#else
    const QString userData =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/varnel-ticora");
#endif
    const App::Placement place = App::PlaceApplicationFolder(QCoreApplication::applicationDirPath(), userData);
    if (!place.error.isEmpty()) {
        Ui::MsgBox(place.error, Ui::Buttons::OK, Ui::Icon::Critical);
        return 1;
    }
    App::SetFolder(place.folder);
    MainWindow& main = Forms::Get<MainWindow>();
    if (App::EndRequested())
        return 0;
    main.show();
    // Once the main window shows: a game that was never closed is offered.
    QTimer::singleShot(0, &main, [&main] { main.OfferSavedGames(false); });
    return app.exec();
}
