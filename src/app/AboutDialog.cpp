#include "AboutDialog.h"
#include "ui/Accessibility.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog()
{
    setWindowTitle(tr("About"));
    Accessibility::SetRole(this, QAccessible::Dialog); // it asks something: its text is read as it opens
    setProperty("helpContextID", 15); // its help topic
    Look::Silver(this);
    frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("frame"));
    textLabel = new QLabel(frame);
    textLabel->setObjectName(QStringLiteral("textLabel"));
    textLabel->setWordWrap(true);
    textLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    textLabel->setMinimumWidth(fontMetrics().averageCharWidth() * 28);
    // The text is no Tab stop: it said nothing there, and Return did nothing.
    // The dialog itself carries it, so that it is heard with the dialog.
    textLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    textLabel->setFocusPolicy(Qt::NoFocus);
    auto* inside = new QVBoxLayout(frame);
    inside->addWidget(textLabel);
    okButton = Controls::Button(this, "okButton", tr("OK"));
    okButton->setDefault(true);
    auto* box = new QVBoxLayout(this);
    box->addWidget(frame, 1);
    box->addWidget(okButton, 0, Qt::AlignHCenter);
    // The focus on OK, as a message box has it, the one stop there is: Return
    // closes the window wherever it is.
    okButton->setFocus();
    SetKeyButtons(okButton, okButton);
    connect(okButton, &QPushButton::clicked, this, [this] { Forms::Unload(this); });
}

QString AboutDialog::AboutText()
{
    return QStringList({tr("Varnel Ticora V1.0"), QString(), tr("Feel free to be the sponsore of the next version."),
                           tr("Your advertisment will be placed on the starting screen.")})
        .join(QLatin1Char('\n'));
}

void AboutDialog::SetText(const QString& text)
{
    textLabel->setText(text);
    setAccessibleDescription(text); // heard with the dialog, as a message box's text is
}
