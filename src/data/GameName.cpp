#include "GameName.h"
#include <QCoreApplication>
#include <QFile>

namespace GameName {

QString UnusableReason(const QString& name)
{
    if (name.trimmed().isEmpty()) // it would name a hidden file, ".sav", or blanks
        return QCoreApplication::translate("NewGame", "it is empty or only blanks. Type a name for the game");
    // Without a separator, "<name>.sav" is one file in the folder, dots or not.
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QCoreApplication::translate("NewGame", "it contains a slash or backslash");
    for (QChar c : name)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format || c == QChar(0))
            return QCoreApplication::translate("NewGame", "it contains a control character");
    if (QFile::encodeName(name + QStringLiteral(".sav")).size() > 255)
        return QCoreApplication::translate("NewGame", "it is too long for a file name");
    return {};
}

} // namespace GameName
