#pragma once
#include "ui/Forms.h"

class QGroupBox;
class QLabel;
class QPushButton;

/// The About window: the program's name and a word to sponsors.
class frmAbout : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmAbout";
    frmAbout();

    /// The text the window shows, set each time it is opened.
    static QString AboutText();

    QGroupBox* fraAbout;
    QLabel* lblAbout;
    QPushButton* cmdAbout; ///< OK

    /// Shows the text, and gives it to the dialog to be heard with it.
    void SetText(const QString& text);

    void cmdAbout_Click();
};
