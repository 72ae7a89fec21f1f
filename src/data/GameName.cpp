#include "GameName.h"
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

namespace GameName {

QString UnusableReason(const QString& name)
{
    if (name.trimmed().isEmpty()) // it would name a hidden file, ".sav", or blanks
        return QCoreApplication::translate("NewGame", "it is empty or only blanks. Type a name for the game");
    // Without a separator, "<name>.sav" is one file in the folder, dots or not.
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QCoreApplication::translate("NewGame", "it contains a slash or backslash");
    // What one desktop's files cannot be named, no game's file is, so that a game travels between machines.
    for (QChar c : QStringLiteral("<>:\"|?*"))
        if (name.contains(c))
            return QCoreApplication::translate("NewGame", "it contains one of < > : \" | ? *");
    for (QChar c : name)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format || c == QChar(0))
            return QCoreApplication::translate("NewGame", "it contains a control character");
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return QCoreApplication::translate("NewGame", "it ends in a dot or a blank");
    static const QRegularExpression device(
        QString::fromUtf8("^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|COM[0-9¹²³]|LPT[0-9¹²³]) *(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    if (device.match(name).hasMatch())
        return QCoreApplication::translate("NewGame", "it is a name Windows keeps for a device");
    if (QFile::encodeName(name + QStringLiteral(".sav")).size() > 255)
        return QCoreApplication::translate("NewGame", "it is too long for a file name");
    return {};
}

} // namespace GameName
