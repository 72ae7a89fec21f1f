#pragma once
#include "ui/Forms.h"

class QLabel;
class QLineEdit;
class QPushButton;

/// The Information window: the player's name and the starting balance of a new game.
class NewGameDialog : public Form {
    Q_OBJECT
public:
    NewGameDialog();

    QLabel* nameLabel;
    QLineEdit* nameBox;
    QLabel* balanceTitle;
    QLabel* balanceLabel; ///< the balance every new game starts with
    QPushButton* enterButton;
    QPushButton* cancelButton;

    /// Opens the window, the starting balance shown, raised and active.
    static NewGameDialog& Open();
    /// Makes the game of the name typed, asking before a file gives way to it;
    /// a name refused is said and asked for again.
    void Enter();
};
