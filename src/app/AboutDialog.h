#pragma once
#include "ui/Forms.h"

class QGroupBox;
class QLabel;
class QPushButton;

/// The About window: the program's name and a word to sponsors.
class AboutDialog : public Form {
    Q_OBJECT
public:
    AboutDialog();

    /// The text the window shows, set each time it is opened.
    static QString AboutText();

    QGroupBox* frame;
    QLabel* textLabel;
    QPushButton* okButton;

    /// Shows the text, and gives it to the dialog to be heard with it.
    void SetText(const QString& text);
};
