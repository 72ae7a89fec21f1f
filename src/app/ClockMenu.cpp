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

ClockMenu::ClockMenu(QMenuBar* bar, QMap<int, QAction*>& items, QLabel* label, GameClock& clock)
    : QObject(bar), menu_(bar->addMenu(tr("C&lock"))), items_(items), label_(label), clock_(clock)
{
    menu_->setObjectName(QStringLiteral("mnuClock"));
    menu_->menuAction()->setObjectName(QStringLiteral("mnuClock"));
    menu_->setProperty("helpContextID", 18);
    // Each entry is kept by its place in the menu, separators counted.
    auto add = [this](QAction* a, std::function<void()> click = {}) {
        const int index = int(items_.size());
        a->setObjectName(QStringLiteral("mnuClockItem(%1)").arg(index));
        items_.insert(index, a);
        if (click) {
            clicks_.insert(index, std::move(click));
            connect(a, &QAction::triggered, this, [this, index] { Click(index); });
        }
        return a;
    };
    auto command = [&](const Command& c) {
        QAction* a = add(menu_->addAction(tr(c.caption)), [&clock = clock_, run = c.run] { run(clock); });
        a->setShortcuts(c.keys);
        return a;
    };
    pause_ = command(kPause);
    pause_->setCheckable(true);
    add(menu_->addSeparator());
    auto* speeds = new QActionGroup(this);
    for (int s = 0; s < int(GameClock::kMinuteMs.size()); ++s) {
        QAction* a = add(menu_->addAction(SpeedName(s)), [this, s] { clock_.SetSpeed(s); });
        a->setCheckable(true);
        a->setProperty("speed", s);
        speeds->addAction(a);
    }
    add(menu_->addSeparator());
    command(kSlower);
    command(kFaster);
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

void ClockMenu::Click(int index)
{
    if (const auto it = clicks_.constFind(index); it != clicks_.constEnd())
        (*it)();
    show(); // a checked entry chosen again stays the one checked
}

void ClockMenu::show()
{
    pause_->setChecked(clock_.Paused());
    for (QAction* a : std::as_const(items_))
        if (a->property("speed").isValid())
            a->setChecked(a->property("speed").toInt() == clock_.Speed());
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
