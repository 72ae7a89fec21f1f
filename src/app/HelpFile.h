#pragma once
// The help: zolthelp.hlp, a plain UTF-8 text file of topics. A topic starts with
// a line "[topic N] Title", N being its context number (0 is the contents),
// and its text runs to the next topic. Lines starting with ';' before the
// first topic are comments.
#include <QString>
#include <map>
#include <optional>

class QWidget;

namespace Help {

struct Topic {
    QString title;
    QString text;
};
using Topics = std::map<int, Topic>;

/// The topics of a help file, or why it cannot be read.
struct Parsed {
    Topics topics;
    QString error; ///< empty when the file was read
};
Parsed ParseText(const QByteArray& bytes);
Parsed ReadFile(const QString& path);

/// The help context of a widget: its own "helpContextID", else its nearest
/// parent's that has one other than 0; 0 (the contents) when none has.
int ContextOf(const QWidget* w);

/// Makes F1 open the help at the focused item's topic, in every window.
void InstallF1();

} // namespace Help
