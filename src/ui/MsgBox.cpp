#include "MsgBox.h"
#include "App.h"
#include "Forms.h"
#include "MessageText.h"
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <cstdio>

namespace Ui {

namespace {

Answer showReal(const MsgBoxRequest& r)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(r.caption), qPrintable(r.text));
        return r.buttons == Buttons::YesNo        ? (r.defaultSecond ? Answer::No : Answer::Yes)
            : r.buttons == Buttons::EndKeepCancel ? Answer::Cancel
                                                  : Answer::OK;
    }
    const std::unique_ptr<QMessageBox> box = MessageBox(r);
    const int answer = box->exec();
    if (r.buttons == Buttons::EndKeepCancel) {
        const QAbstractButton* b = box->clickedButton();
        return b && b->property("answer").isValid() ? Answer(b->property("answer").toInt()) : Answer::Cancel;
    }
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
    box->setText(r.text);
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
    } else if (r.buttons == Buttons::EndKeepCancel) {
        const std::pair<const char*, Answer> kChoices[] = {{QT_TRANSLATE_NOOP("MsgBox", "&End the game"), Answer::End},
            {QT_TRANSLATE_NOOP("MsgBox", "&Keep it for later"), Answer::Keep},
            {QT_TRANSLATE_NOOP("MsgBox", "Cancel"), Answer::Cancel}};
        for (const auto& [text, answer] : kChoices) {
            QPushButton* b = box->addButton(QCoreApplication::translate("MsgBox", text),
                answer == Answer::Cancel ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
            b->setProperty("answer", int(answer));
            if (answer == Answer::Keep) // the choice that loses nothing
                box->setDefaultButton(b);
            if (answer == Answer::Cancel)
                box->setEscapeButton(b);
        }
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    // The box's own label cuts a word longer than a line: the text is shown by one that wraps it.
    // Last, as setting the icon lays the box out anew.
    QLabel* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(box->layout());
    if (label && grid) {
        int row = 0, column = 0, rows = 1, columns = 1;
        grid->getItemPosition(grid->indexOf(label), &row, &column, &rows, &columns);
        label->hide();
        auto* text = new MessageText(r.text, box.get());
        grid->addWidget(text, row, column, rows, columns);
        // Ctrl+C copies the whole text wherever the focus is, as on other desktops.
        auto* copy = new QShortcut(QKeySequence::Copy, box.get());
        QObject::connect(copy, &QShortcut::activated, text, [t = r.text] { QGuiApplication::clipboard()->setText(t); });
    }
    Forms::TakeWindowKeys(box.get()); // the game can be paused while a message waits
    return box;
}

namespace {
struct Open {
    int boxes = 0;
    std::function<void()> after;
};
Open& open()
{
    static Open o;
    return o;
}
} // namespace

int OpenBoxes() { return open().boxes; }

void SetAfterBoxes(std::function<void()> after) { open().after = std::move(after); }

Answer MsgBox(const QString& text, Buttons buttons, Icon icon, const QString& caption, bool defaultSecond)
{
    MsgBoxRequest r{text, buttons, icon, caption.isEmpty() ? App::kTitle : caption, defaultSecond};
    ++open().boxes;
    const Answer a = handler() ? handler()(r) : showReal(r);
    if (--open().boxes == 0 && open().after)
        open().after();
    return a;
}

bool Attempt(const QString& what, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        MsgBox(Failure(what, e), Buttons::OK, Icon::Exclamation);
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
