// The main window's toolbar and status bar, laid out to their contents.
#include "Bars.h"
#include "GamePanel.h"
#include "MainWindow.h"
#include "market/Clock.h"
#include "ui/Accessibility.h"
#include "ui/App.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>

void MainWindow::createToolbar()
{
    toolbar = new BarPanel(this, QStringLiteral("toolbar"), Qt::BottomEdge);
    Accessibility::SetRole(toolbar, QAccessible::ToolBar);
    auto* row = new QHBoxLayout(toolbar);
    row->setContentsMargins(0, fontMetrics().height() / 2, 0, fontMetrics().height() / 2);
    row->setSpacing(1);
    struct Button {
        ImageButton** target;
        const char* name;
        const char* tip;
        const char* picture; ///< its images in the toolbar resources
        QAction* command; ///< the menu entry's, which it shares
        const char* caption; ///< the word its pictures carry
    };
    const Button buttons[] = {
        {&newButton, "newButton", QT_TR_NOOP("New game"), "new", newAction,
            //: Under the toolbar's picture: a new game.
            QT_TR_NOOP("New")},
        {&tradeButton, "tradeButton", QT_TR_NOOP("Trading desk"), "trade", tradeAction,
            //: Under the toolbar's picture: the Trading desk.
            QT_TR_NOOP("Trade")},
        {&chartButton, "chartButton", QT_TR_NOOP("Stock performance chart"), "chart", chartAction,
            QT_TR_NOOP("Chart")},
        {&balanceButton, "balanceButton", QT_TR_NOOP("Balance"), "balance", balanceAction, QT_TR_NOOP("Balance")},
    };
    for (const Button& b : buttons) {
        auto* button = new ImageButton(toolbar, QString::fromLatin1(b.name),
            QPixmap(QStringLiteral(":/toolbar/%1-down.png").arg(QLatin1String(b.picture))),
            QPixmap(QStringLiteral(":/toolbar/%1-up.png").arg(QLatin1String(b.picture))));
        button->setToolTip(tr(b.tip));
        button->setAccessibleName(tr(b.tip));
        *b.target = button;
        if (button == newButton) // runs before the command it triggers
            connect(button, &ImageButton::clicked, this, [this] { newFromToolbar_ = true; });
        button->BindTo(b.command);
        if (!App::Language().isEmpty()) // the pictures carry the English word
            button->SetCaption(tr(b.caption));
        row->addWidget(button, 0, Qt::AlignBottom);
        if (button == newButton) // New stands apart from the game's commands
            row->addSpacing(button->sizeHint().width() + fontMetrics().averageCharWidth() * 4);
    }
    row->addStretch(1);
}

namespace {
QLabel* described(QLabel* label, const char* name, const QString& description, Qt::Alignment alignment)
{
    label->setObjectName(QString::fromLatin1(name));
    // Described, not named: a name would hide what it shows.
    label->setAccessibleDescription(description);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}
} // namespace

void MainWindow::createStatusBar()
{
    statusBar = new BarPanel(this, QStringLiteral("statusBar"), Qt::TopEdge);
    Accessibility::SetRole(statusBar, QAccessible::StatusBar); // where a screen reader looks for the clock
    // What the market did takes the room left, and ends in "…" where the rest
    // need it; every other section is as wide as its words.
    statusLabel = static_cast<ElidedLabel*>(
        described(new ElidedLabel(statusBar), "statusLabel", tr("What the market did"), Qt::AlignLeft));
    newsLabel = described(new QLabel(statusBar), "newsLabel", tr("Market news"), Qt::AlignRight);
    paceLabel = described(new QLabel(statusBar), "paceLabel", tr("Pause and speed"), Qt::AlignRight);
    weekdayLabel = described(new QLabel(statusBar), "weekdayLabel", tr("Simulated weekday"), Qt::AlignRight);
    weekdayLabel->setToolTip(tr("Simulated weekday"));
    int widest = 0; // the longest weekday's room, so that the bar does not shift each day
    for (int day = 1; day <= 7; ++day)
        widest = std::max(widest, fontMetrics().horizontalAdvance(QLocale().dayName(day, QLocale::LongFormat)));
    weekdayLabel->setMinimumWidth(widest);
    clockLabel = described(new QLabel(statusBar), "clockLabel", tr("Simulated date and time"), Qt::AlignRight);
    clockLabel->setToolTip(tr("Simulated date and time"));
    // As wide as the longest time it shows, so that the bar does not shift each minute.
    clockLabel->setMinimumWidth(fontMetrics().horizontalAdvance(
                                    Market::ClockText(QDateTime(QDate(2000, 12, 30), QTime(20, 58, 58)))) +
        fontMetrics().averageCharWidth());
    // Each a child of the bar itself, where a screen reader reads the status bar's
    // texts; the sunken panels drawn around them.
    auto* bar = new QHBoxLayout(statusBar);
    const int gap = fontMetrics().averageCharWidth() * 2;
    bar->setContentsMargins(8, 6, 8, 6);
    bar->setSpacing(gap);
    bar->addWidget(statusLabel, 1);
    for (QLabel* l : {newsLabel, paceLabel, weekdayLabel})
        bar->addWidget(l);
    bar->addSpacing(gap);
    bar->addWidget(clockLabel);
    statusBar->Frame({{statusLabel, newsLabel, paceLabel, weekdayLabel}, {clockLabel}});
}
