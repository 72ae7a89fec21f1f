#include "Form3.h"
#include "TradingEvents.h"
#include "game/Calendar.h"
#include "game/FollowGame.h"
#include "game/Module1.h"
#include "game/Session.h"
#include "game/VbTimer.h"
#include "ui/Controls.h"
#include "ui/Twips.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

QFont titleFont()
{
    QFont f = Twips::DesignFont(QStringLiteral("MS Sans Serif"), 12);
    f.setBold(true);
    return f;
}

QLabel* title(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h)
{
    auto* lb = Twips::Create<FitLabel>(parent, name, l, t, w, h, caption);
    lb->setFont(titleFont());
    lb->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return lb;
}

QLineEdit* amount(QWidget* parent, const char* name, int l, int t, QLabel* buddy)
{
    auto* e = Twips::Create<QLineEdit>(parent, name, l, t, 1695, 285);
    e->setReadOnly(true);
    buddy->setBuddy(e);
    e->setAccessibleName(buddy->text());
    return e;
}

} // namespace

Form3::Form3()
{
    setWindowTitle(tr("Balance"));
    setProperty("helpContextID", 5); // its help topic
    Twips::SetSilverClientArea(this, 3720, 2910);

    showplayername = title(this, "showplayername", {}, 240, 120, 3375, 375);
    showplayername->setAlignment(Qt::AlignCenter);
    showplayername->setAccessibleDescription(tr("Player"));
    lblcash = title(this, "lblcash", tr("Cash"), 240, 840, 1575, 255);
    cashbalance = amount(this, "cashbalance", 1920, 840, lblcash);
    lblStocks = title(this, "lblStocks", tr("Stocks"), 240, 1320, 1455, 255);
    Text3 = amount(this, "Text3", 1920, 1320, lblStocks);
    lblBalance = title(this, "lblBalance", tr("Balance"), 240, 1800, 1455, 255);
    Text4 = amount(this, "Text4", 1920, 1800, lblBalance);
    Command1 = Twips::Create<QPushButton>(this, "Command1", 240, 2280, 1215, 495, tr("View Portfolio"));
    lblNote = Twips::Create<QLabel>(this, "lblNote", 1560, 2280, 2055, 555);
    lblNote->setWordWrap(true);
    QFont smaller = lblNote->font();
    smaller.setPointSizeF(smaller.pointSizeF() * 0.8);
    lblNote->setFont(smaller);
    Timer1 = new VbTimer(Session::Current().Clock(), this, true, 0);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &VbTimer::timeout, this, &Form3::Timer1_Timer);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    FollowGame(this, [](const Game& game) { Module1::RefreshBalance(&game); });
}

void Form3::formLoad()
{
    Module1::RefreshBalance(Session::Current().CurrentGame());
    Timer1->setEnabled(true);
    Timer1->setInterval(Calendar::kMinuteMs);
}

void Form3::Timer1_Timer()
{
    // A clock that shows no time counts as outside the exchange hours.
    const auto t = Session::Current().Clock().TimeOfDay();
    if (t && Calendar::IsOpen(*t)) {
        Module1::RefreshBalance(Session::Current().CurrentGame());
        repaint();
    }
}

void Form3::showEvent(QShowEvent* e)
{
    if (!e->spontaneous())
        Module1::RefreshBalance(Session::Current().CurrentGame());
    Form::showEvent(e);
}

void Form3::Command1_Click() { emit Trading::Events::Get().portfolioWanted(); }
