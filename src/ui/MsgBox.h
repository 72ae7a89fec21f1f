#pragma once
// Every message box of the program goes through MsgBox, so that tests can record
// and answer them instead of blocking on a modal window.
#include "Failure.h"
#include <QString>
#include <functional>
#include <memory>

class QMessageBox;

namespace Ui {

/// EndKeepCancel: "End the game", "Keep it for later", "Cancel".
enum class Buttons { OK, YesNo, EndKeepCancel };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { OK, Yes, No, End, Keep, Cancel };

struct MsgBoxRequest {
    QString text;
    Buttons buttons = Buttons::OK;
    Icon icon = Icon::None;
    QString caption; ///< the application's title when the caller gave none
    bool defaultSecond = false; ///< the second button ("No") is the default
};

/// Shows a message and waits for the answer.
Answer MsgBox(const QString& text, Buttons buttons = Buttons::OK, Icon icon = Icon::None,
    const QString& caption = QString(), bool defaultSecond = false);

/// The box that shows a message: long words wrap instead of being cut.
std::unique_ptr<QMessageBox> MessageBox(const MsgBoxRequest& r);

/// Runs something the user asked for; a failure is told in a message box
/// (Failure) instead of ending the program. True when it succeeded.
bool Attempt(const QString& what, const std::function<void()>& action);

/// How many message boxes wait for an answer now.
int OpenBoxes();
/// Runs each time the last open message box has its answer.
void SetAfterBoxes(std::function<void()> after);

using MsgBoxHandler = std::function<Answer(const MsgBoxRequest&)>;
/// Replaces how messages are shown; returns the previous handler. An empty
/// handler restores the real message box.
MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler h);

} // namespace Ui
