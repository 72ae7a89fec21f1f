#include "MsgBox.h"
#include "App.h"
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace Ui {

namespace {

Answer showReal(const MsgBoxRequest& r)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(r.caption), qPrintable(r.text));
        return r.buttons == Buttons::YesNo ? (r.defaultSecond ? Answer::No : Answer::Yes) : Answer::OK;
    }
    QMessageBox box;
    box.setWindowTitle(r.caption);
    box.setText(r.text);
    switch (r.icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    if (r.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(r.defaultSecond ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::OK;
}

MsgBoxHandler& handler()
{
    static MsgBoxHandler h;
    return h;
}

} // namespace

Answer MsgBox(const QString& text, Buttons buttons, Icon icon, const QString& caption, bool defaultSecond)
{
    MsgBoxRequest r{text, buttons, icon, caption.isEmpty() ? App::kTitle : caption, defaultSecond};
    return handler() ? handler()(r) : showReal(r);
}

bool Attempt(const QString& what, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        MsgBox(QStringLiteral("%1: %2").arg(what, QString::fromUtf8(e.what())), Buttons::OK, Icon::Exclamation);
        return false;
    }
}

MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler h)
{
    MsgBoxHandler old = std::move(handler());
    handler() = std::move(h);
    return old;
}

} // namespace Ui
