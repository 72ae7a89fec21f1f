#pragma once
// The help: zolthelp.hlp, a plain UTF-8 text file of topics. A topic starts with
// a line "[topic N] Title", N being its context number (0 is the contents),
// and its text runs to the next topic. Lines starting with ';' before the
// first topic are comments.
#include "app/kit/Forms.h"
#include <map>
#include <optional>

class QListWidget;
class QTextBrowser;

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

/// The help viewer: the topics on the left, the chosen one's text on the right.
class frmHelp : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmHelp";
    frmHelp();

    void SetTopics(Help::Topics topics);
    /// Shows a topic; a number the file lacks shows the contents.
    void ShowTopic(int context);
    int CurrentTopic() const { return current_; }

    QListWidget* lstTopics;
    QTextBrowser* txtTopic;

private:
    Help::Topics topics_;
    int current_ = -1;
};
