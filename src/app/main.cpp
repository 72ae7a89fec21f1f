#include "App.h"
#include "Forms.h"
#include "frmEditor.h"
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(App::kTitle);
    frmEditor& main = Forms::Get<frmEditor>();
    if (App::EndRequested())
        return 0;
    main.show();
    return app.exec();
}
