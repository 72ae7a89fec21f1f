#include "HelpFile.h"
#include "GameShell.h"
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBrowser>

namespace Help {

namespace {
constexpr qint64 kMaxSize = 4 * 1024 * 1024;
}

Parsed ParseText(const QByteArray& bytes)
{
    Parsed out;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError() || text.contains(QChar(0))) {
        out.error = QCoreApplication::translate("Help", "is not a text file");
        return out;
    }
    static const QRegularExpression head(QStringLiteral("^\\[topic (\\d{1,6})\\][ \\t]*(.*)$"));
    Topic* topic = nullptr;
    QStringList lines;
    auto finish = [&] {
        if (topic) {
            while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
                lines.removeLast();
            topic->text = lines.join(QLatin1Char('\n'));
        }
        lines.clear();
    };
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const auto m = head.match(line);
        if (m.hasMatch()) {
            finish();
            const int n = m.captured(1).toInt();
            if (out.topics.count(n)) {
                out.error = QCoreApplication::translate("Help", "has topic %1 twice").arg(n);
                out.topics.clear();
                return out;
            }
            topic = &out.topics[n];
            topic->title = m.captured(2).trimmed();
        } else if (topic) {
            lines << line;
        } else if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char(';'))) {
            out.error = QCoreApplication::translate("Help", "has text before its first topic");
            return out;
        }
    }
    finish();
    if (out.topics.empty())
        out.error = QCoreApplication::translate("Help", "holds no topic");
    else if (!out.topics.count(0))
        out.error = QCoreApplication::translate("Help", "has no contents page (topic 0)");
    if (!out.error.isEmpty())
        out.topics.clear();
    return out;
}

Parsed ReadFile(const QString& path)
{
    QFile f(path);
    if (!f.exists())
        return {{}, QCoreApplication::translate("Help", "cannot be found")};
    if (f.size() > kMaxSize)
        return {{}, QCoreApplication::translate("Help", "is too large to be a help file")};
    if (!f.open(QIODevice::ReadOnly))
        return {{}, QCoreApplication::translate("Help", "cannot be opened (%1)").arg(f.errorString())};
    return ParseText(f.readAll());
}

int ContextOf(const QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        const QVariant v = w->property("helpContextID");
        if (v.isValid() && v.toInt() != 0)
            return v.toInt();
        if (w->isWindow())
            break;
    }
    return 0;
}

namespace {
class F1Filter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->key() != Qt::Key_F1 || !o->isWidgetType())
            return false;
        // The focused item's topic; the event reaches the filter once per receiver, so answer it once.
        if (static_cast<QKeyEvent*>(e)->isAutoRepeat())
            return true;
        // An open menu has the keys, not the focus: its topic is the menu's.
        const QWidget* popup = QApplication::activePopupWidget();
        const QWidget* focus = popup ? popup : QApplication::focusWidget();
        GameShell::ShowHelp(ContextOf(focus ? focus : static_cast<QWidget*>(o)));
        return true;
    }
};
} // namespace

void InstallF1()
{
    static F1Filter* filter = nullptr;
    if (!filter && qApp) {
        filter = new F1Filter(qApp);
        qApp->installEventFilter(filter);
    }
}

} // namespace Help
