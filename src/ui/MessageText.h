#pragma once
// The text of a message box, shown exactly as written.
#include <QTextEdit>

/// Wraps at word boundaries, and inside a word too long for a line (a long
/// path or symbol) anywhere, without changing a character: what a player
/// selects and copies, and what a screen reader reads, is the text itself.
/// Ctrl+C copies the selection, or the whole text when nothing is selected.
class MessageText : public QTextEdit {
    Q_OBJECT
public:
    MessageText(const QString& text, QWidget* parent);
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QString text_;
};
