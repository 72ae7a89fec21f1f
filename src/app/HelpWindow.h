#pragma once
#include "HelpFile.h"
#include "ui/Forms.h"

class QListWidget;
class QTextBrowser;

/// The help viewer: the topics on the left, the chosen one's text on the right.
class HelpWindow : public Form {
    Q_OBJECT
public:
    HelpWindow();

    void SetTopics(Help::Topics topics);
    /// Shows a topic; a number the file lacks shows the contents.
    void ShowTopic(int context);
    int CurrentTopic() const { return current_; }

    QListWidget* topicsList;
    QTextBrowser* topicText;

private:
    Help::Topics topics_;
    int current_ = -1;
};
