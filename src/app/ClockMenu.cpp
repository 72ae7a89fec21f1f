#include "ClockMenu.h"
#include "game/GameClock.h"
#include "ui/Accessibility.h"
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <algorithm>

namespace {
/// A command of the clock: its entry, the entry's keys, and those of its keys
/// that work in every window (P only here, where no text box takes it).
struct Command {
    const char* caption;
    void (*run)(GameClock&);
    QList<QKeySequence> keys;
    QList<QKeySequence> everyWindow;
};
const Command kPause{QT_TRANSLATE_NOOP("ClockMenu", "Pa&use"), [](GameClock& c) { c.TogglePause(); },
    {Qt::Key_P, Qt::Key_Pause}, {Qt::Key_Pause}};
const Command kSlower{QT_TRANSLATE_NOOP("ClockMenu", "&Slower"), [](GameClock& c) { c.Slower(); },
    {Qt::CTRL | Qt::Key_Minus}, {Qt::CTRL | Qt::Key_Minus}};
const Command kFaster{QT_TRANSLATE_NOOP("ClockMenu", "&Faster"), [](GameClock& c) { c.Faster(); },
    {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}, {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}};

const char* const kSpeedNames[] = {QT_TRANSLATE_NOOP("ClockMenu", "Quarter speed"),
    QT_TRANSLATE_NOOP("ClockMenu", "Half speed"), QT_TRANSLATE_NOOP("ClockMenu", "Normal speed"),
    QT_TRANSLATE_NOOP("ClockMenu", "Double speed"), QT_TRANSLATE_NOOP("ClockMenu", "Four times speed"),
    QT_TRANSLATE_NOOP("ClockMenu", "Ten times speed")};
static_assert(std::size(kSpeedNames) == GameClock::kMinuteMs.size());
} // namespace

QString ClockMenu::SpeedName(int speed)
{
    return tr(kSpeedNames[std::clamp(speed, 0, int(std::size(kSpeedNames)) - 1)]);
}

void ClockMenu::TakeKeys(QWidget* window, GameClock& clock)
{
    for (const Command* c : {&kPause, &kSlower, &kFaster})
        for (const QKeySequence& key : c->everyWindow)
            QObject::connect(
                new QShortcut(key, window), &QShortcut::activated, &clock, [&clock, run = c->run] { run(clock); });
}

ClockMenu::ClockMenu(QMenuBar* bar, QLabel* label, GameClock& clock)
    : QObject(bar), menu_(bar->addMenu(tr("C&lock"))), label_(label), clock_(clock)
{
    static_assert(std::tuple_size_v<decltype(speedActions)> == GameClock::kMinuteMs.size());
    menu_->setObjectName(QStringLiteral("clockMenu"));
    menu_->menuAction()->setObjectName(QStringLiteral("clockMenu"));
    menu_->setProperty("helpContextID", 18);
    auto command = [&](const Command& c, const char* name) {
        QAction* a = menu_->addAction(tr(c.caption));
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcuts(c.keys);
        connect(a, &QAction::triggered, this, [this, run = c.run] {
            run(clock_);
            show(); // a checked entry chosen again stays the one checked
        });
        return a;
    };
    pauseAction = command(kPause, "pauseAction");
    pauseAction->setCheckable(true);
    menu_->addSeparator();
    auto* speeds = new QActionGroup(this);
    for (int s = 0; s < int(speedActions.size()); ++s) {
        QAction* a = menu_->addAction(SpeedName(s));
        a->setObjectName(QStringLiteral("speedAction%1").arg(s));
        a->setCheckable(true);
        speeds->addAction(a);
        connect(a, &QAction::triggered, this, [this, s] {
            clock_.SetSpeed(s);
            show();
        });
        speedActions[size_t(s)] = a;
    }
    menu_->addSeparator();
    slowerAction = command(kSlower, "slowerAction");
    fasterAction = command(kFaster, "fasterAction");
    connect(&clock_, &GameClock::pausedChanged, this, [this](bool paused) {
        show();
        told(paused ? tr("Paused") : tr("Resumed"));
    });
    connect(&clock_, &GameClock::speedChanged, this, [this](int speed) {
        show();
        told(SpeedName(speed));
    });
    show();
}

void ClockMenu::show()
{
    pauseAction->setChecked(clock_.Paused());
    for (int s = 0; s < int(speedActions.size()); ++s)
        speedActions[size_t(s)]->setChecked(s == clock_.Speed());
    QStringList words;
    if (clock_.Paused())
        words << tr("Paused");
    if (clock_.Speed() != GameClock::kNormalSpeed)
        words << SpeedName(clock_.Speed());
    label_->setText(words.join(QStringLiteral(", ")));
}

void ClockMenu::told(const QString& text)
{
    if (clock_.Running()) // an ended game is not resumed
        Accessibility::Announce(label_, text);
}
