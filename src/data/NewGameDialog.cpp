#include "NewGameDialog.h"
#include "GameSchema.h"
#include "NewGame.h"
#include "ui/Accessibility.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/MsgBox.h"
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

NewGameDialog::NewGameDialog()
{
    setWindowTitle(tr("Information"));
    Accessibility::SetRole(this, QAccessible::Dialog); // it asks something: its text is read as it opens
    setProperty("helpContextID", 14); // its help topic
    Look::Silver(this);
    nameBox = new QLineEdit(this);
    nameBox->setObjectName(QStringLiteral("nameBox"));
    nameBox->setMinimumWidth(fontMetrics().horizontalAdvance(QString(20, QLatin1Char('x'))));
    nameLabel = Controls::Title(this, "nameLabel", tr("Enter your name"), nameBox);
    balanceLabel = new QLabel(this);
    balanceLabel->setObjectName(QStringLiteral("balanceLabel"));
    // Drawn greyed as a disabled label, yet enabled, so that Tab reaches it and a
    // screen reader reads the amount instead of passing it over as unavailable.
    QPalette greyed = balanceLabel->palette();
    greyed.setColor(QPalette::WindowText, greyed.color(QPalette::Disabled, QPalette::WindowText));
    balanceLabel->setPalette(greyed);
    Controls::MakeReadable(balanceLabel);
    balanceTitle = Controls::Title(this, "balanceTitle", tr("Starting Account Balance"), balanceLabel);
    balanceLabel->setAccessibleDescription(balanceTitle->text()); // its name stays the amount it shows
    enterButton = Controls::Button(this, "enterButton", tr("Enter"));
    enterButton->setDefault(true);
    cancelButton = Controls::Button(this, "cancelButton", tr("Cancel"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(nameLabel, 0, 0, 1, 2);
    grid->addWidget(nameBox, 1, 0, 1, 2);
    grid->addWidget(balanceTitle, 2, 0, 1, 2);
    grid->addWidget(balanceLabel, 3, 0, 1, 2);
    grid->setRowMinimumHeight(4, fontMetrics().height() / 2);
    grid->addWidget(enterButton, 5, 0);
    grid->addWidget(cancelButton, 5, 1);
    connect(enterButton, &QPushButton::clicked, this, &NewGameDialog::Enter);
    connect(cancelButton, &QPushButton::clicked, this, [this] { Forms::Unload(this); });
    SetKeyButtons(enterButton, cancelButton);
}

NewGameDialog& NewGameDialog::Open()
{
    NewGameDialog& d = Forms::Get<NewGameDialog>();
    d.balanceLabel->setText(QString::number(GameSchema::kStartingBalance));
    d.setEnabled(true);
    d.show();
    d.raise();
    d.activateWindow();
    return d;
}

void NewGameDialog::Enter()
{
    const QString name = nameBox->text();
    Forms::Unload(this);
    if (const std::optional<NewGame::Refusal> refused = NewGame::Check(name)) {
        Ui::MsgBox(refused->text, Ui::Buttons::OK, refused->askAgain ? Ui::Icon::Exclamation : Ui::Icon::Critical,
            refused->caption);
        if (refused->askAgain)
            Open();
        return;
    }
    const QString existing = NewGame::Existing(name);
    if (!existing.isEmpty() &&
        Ui::MsgBox(tr("File already exist. Overwrite?"), Ui::Buttons::YesNo, Ui::Icon::Critical, tr("File error"),
            true) != Ui::Answer::Yes) {
        Open();
        return;
    }
    if (const QString failed = NewGame::Create(name, existing); !failed.isEmpty())
        Ui::MsgBox(failed, Ui::Buttons::OK, Ui::Icon::Critical, tr("File error"));
}
