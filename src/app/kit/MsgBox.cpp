#include "MsgBox.h"
#include "App.h"
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace Ui {

namespace {

/// The text with places to break inside words too long for a line (a long
/// symbol, name or path), so that the box wraps them instead of cutting them.
QString breakable(const QString& text)
{
    constexpr int kLongest = 30;
    const QChar zeroWidthSpace(0x200B);
    QString out;
    int run = 0;
    for (QChar c : text) {
        out += c;
        run = c.isSpace() ? 0 : run + 1;
        if (run >= kLongest || (run > 1 && (c == QLatin1Char('/') || c == QLatin1Char('\\')))) {
            out += zeroWidthSpace;
            run = 0;
        }
    }
    return out;
}

Answer showReal(const MsgBoxRequest& r)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(r.caption), qPrintable(r.text));
        return r.buttons == Buttons::YesNo ? (r.defaultSecond ? Answer::No : Answer::Yes) : Answer::OK;
    }
    const std::unique_ptr<QMessageBox> box = MessageBox(r);
    const int answer = box->exec();
    return r.buttons == Buttons::YesNo ? (answer == QMessageBox::Yes ? Answer::Yes : Answer::No) : Answer::OK;
}

MsgBoxHandler& handler()
{
    static MsgBoxHandler h;
    return h;
}

} // namespace

std::unique_ptr<QMessageBox> MessageBox(const MsgBoxRequest& r)
{
    auto box = std::make_unique<QMessageBox>();
    box->setWindowTitle(r.caption);
    box->setTextFormat(Qt::PlainText);
    box->setText(breakable(r.text));
    static const std::pair<Icon, QMessageBox::Icon> kIcons[] = {{Icon::None, QMessageBox::NoIcon},
        {Icon::Critical, QMessageBox::Critical}, {Icon::Question, QMessageBox::Question},
        {Icon::Exclamation, QMessageBox::Warning}, {Icon::Information, QMessageBox::Information}};
    for (const auto& [ours, qt] : kIcons)
        if (ours == r.icon)
            box->setIcon(qt);
    if (r.buttons == Buttons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(r.defaultSecond ? QMessageBox::No : QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    return box;
}

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
