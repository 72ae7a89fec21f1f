// The game's rules, run where there is no window system at all: each returns
// what happened, and these tests look only at what it returned.
#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // no QApplication: a rule that made a window would fail here
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
