#include "Failure.h"
#include "dao/DaoError.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Ui {

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

} // namespace Ui
