#include "ui/App.h"
#include <QtWidgets>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir runtimeDir(QDir::tempPath() + QStringLiteral("/ticora-xdg-XXXXXX"));
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        QFile::setPermissions(
            runtimeDir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    }
    QApplication app(argc, argv);
    // The expected texts are written with a point; tests of other locales set their own.
    QLocale::setDefault(QLocale::c());
    // The source texts, with their English plurals, as an English desktop has them.
    App::InstallTranslations(QLocale(QLocale::English));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
