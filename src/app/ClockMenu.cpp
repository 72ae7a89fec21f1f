#include "ClockMenu.h"
#include "data/kit/Accessibility.h"
#include "data/kit/GameClock.h"
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {
constexpr int kPause = 0, kFirstSpeed = 2, kSlower = 9, kFaster = 10;
}

ClockMenu::ClockMenu(QMenuBar* bar, QMap<int, QAction*>& items, QLabel* label, GameClock& clock)
    : QObject(bar), menu_(bar->addMenu(QStringLiteral("C&lock"))), items_(items), label_(label), clock_(clock)
{
    menu_->setObjectName(QStringLiteral("mnuClock"));
    menu_->menuAction()->setObjectName(QStringLiteral("mnuClock"));
    menu_->setProperty("helpContextID", 18);
    auto add = [this](int index, QAction* a) {
        a->setObjectName(QStringLiteral("mnuClockItem(%1)").arg(index));
        items_.insert(index, a);
        connect(a, &QAction::triggered, this, [this, index] { Click(index); });
        return a;
    };
    QAction* pause = add(kPause, menu_->addAction(QStringLiteral("Pa&use")));
    pause->setCheckable(true);
    // P here; the Pause key works in every window (Form adds it to the others).
    pause->setShortcuts({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)});
    add(1, menu_->addSeparator());
    auto* speeds = new QActionGroup(this);
    for (int s = 0; s < int(GameClock::kMinuteMs.size()); ++s) {
        QAction* a = add(kFirstSpeed + s, menu_->addAction(GameClock::SpeedName(s)));
        a->setCheckable(true);
        speeds->addAction(a);
    }
    add(8, menu_->addSeparator());
    add(kSlower, menu_->addAction(QStringLiteral("&Slower")))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    add(kFaster, menu_->addAction(QStringLiteral("&Faster")))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(&clock_, &GameClock::pausedChanged, this, [this](bool paused) {
        show();
        told(paused ? QStringLiteral("Paused") : QStringLiteral("Resumed"));
    });
    connect(&clock_, &GameClock::speedChanged, this, [this](int speed) {
        show();
        told(GameClock::SpeedName(speed));
    });
    show();
}

void ClockMenu::Click(int index)
{
    if (index == kPause)
        clock_.TogglePause();
    else if (index >= kFirstSpeed && index < kFirstSpeed + int(GameClock::kMinuteMs.size()))
        clock_.SetSpeed(index - kFirstSpeed);
    else if (index == kSlower)
        clock_.Slower();
    else if (index == kFaster)
        clock_.Faster();
    show(); // a checked entry chosen again stays the one checked
}

void ClockMenu::show()
{
    items_[kPause]->setChecked(clock_.Paused());
    items_[kFirstSpeed + clock_.Speed()]->setChecked(true);
    QStringList words;
    if (clock_.Paused())
        words << QStringLiteral("Paused");
    if (clock_.Speed() != GameClock::kNormalSpeed)
        words << GameClock::SpeedName(clock_.Speed());
    label_->setText(words.join(QStringLiteral(", ")));
}

void ClockMenu::told(const QString& text)
{
    if (clock_.Running()) // an ended game is not resumed
        Accessibility::Announce(label_, text);
}
