#include "MsgBox.h"
#include "App.h"
#include "Forms.h"
#include "MessageText.h"
#include "dao/DaoError.h"
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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

Answer MsgBox(const QString& text, Buttons buttons, Icon icon, const QString& caption, bool defaultSecond)
{
    MsgBoxRequest r{text, buttons, icon, caption.isEmpty() ? App::kTitle : caption, defaultSecond};
    return handler() ? handler()(r) : showReal(r);
}

QString Failure(const QString& what, const std::exception& e)
{
    using C = dao::Error::Cause;
    struct Said {
        C cause;
        const char* why; ///< of the folder (%1) where ofFolder, else of the file
        bool ofFolder;
        const char* todo;
    };
    static const Said kSaid[] = {
        {C::Full, QT_TRANSLATE_NOOP("Failure", "the disk that holds %1 is full"), true,
            QT_TRANSLATE_NOOP("Failure", "Free some space on it.")},
        {C::ReadOnlyFile, QT_TRANSLATE_NOOP("Failure", "the file %1 is read-only"), false,
            QT_TRANSLATE_NOOP("Failure", "Give the file write permission.")},
        {C::UnwritableFolder, QT_TRANSLATE_NOOP("Failure", "the folder %1 cannot be written"), true,
            QT_TRANSLATE_NOOP("Failure", "Start the program from a folder you can write.")},
        {C::Unreadable, QT_TRANSLATE_NOOP("Failure", "the file %1 cannot be read"), false,
            QT_TRANSLATE_NOOP("Failure", "Give the file read permission.")},
        {C::Busy, QT_TRANSLATE_NOOP("Failure", "the file %1 is in use by another program"), false,
            QT_TRANSLATE_NOOP("Failure", "Close the other program.")},
        {C::Damaged, QT_TRANSLATE_NOOP("Failure", "the file %1 is damaged"), false,
            QT_TRANSLATE_NOOP("Failure", "Restore it from a backup copy.")},
    };
    const QString words = QString::fromUtf8(e.what());
    const auto* error = dynamic_cast<const dao::Error*>(&e);
    const QString file = error ? QDir::toNativeSeparators(error->file()) : QString();
    const C cause = error ? error->cause() : C::Other;
    for (const Said& s : kSaid)
        if (s.cause == cause) {
            const QString place = s.ofFolder ? QDir::toNativeSeparators(QFileInfo(file).absolutePath()) : file;
            return QStringLiteral("%1: %2 (%3). %4")
                .arg(what, QCoreApplication::translate("Failure", s.why).arg(place), words,
                    QCoreApplication::translate("Failure", s.todo));
        }
    return file.isEmpty() || words.contains(file) ? QStringLiteral("%1: %2").arg(what, words)
                                                  : QStringLiteral("%1: %2 (%3)").arg(what, words, file);
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
