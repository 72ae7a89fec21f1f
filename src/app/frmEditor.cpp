#include "frmEditor.h"
#include "ClockMenu.h"
#include "EndGame.h"
#include "GamePanel.h"
#include "GameShell.h"
#include "PictureBox.h"
#include "assets/Form6.h"
#include "assets/Form7.h"
#include "data/frmContinue.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "game/Module1.h"
#include "game/Session.h"
#include "game/VbTimer.h"
#include "market/Clock.h"
#include "market/Form4.h"
#include "market/Form9.h"
#include "market/frmNews.h"
#include "reports/Form11.h"
#include "reports/Form5.h"
#include "reports/frmHallOfFame.h"
#include "reports/frmPerformance.h"
#include "trading/Form1.h"
#include "trading/Form3.h"
#include "trading/frmOrders.h"
#include "ui/Accessibility.h"
#include "ui/App.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/MsgBox.h"
#include "ui/Twips.h"
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

frmEditor::frmEditor()
{
    setWindowTitle(App::kTitle);
    createStatusBar();
    glance = new GamePanel(this);
    createMenus();
    createToolbar();
    createTimers();
    GameShell::Wire();
    // The menus, toolbar, timers and clock labels follow the game.
    Session& game = Session::Current();
    connect(&game, &Session::gameChanged, this, &frmEditor::ShowGame);
    connect(&game, &Session::newsChanged, this, &frmEditor::ShowNewsChoice);
    connect(&game.Clock(), &GameClock::timeChanged, this, &frmEditor::ShowClock);
    // The status bar's room follows the Clock menu's words on pause and speed.
    connect(&game.Clock(), &GameClock::pausedChanged, this, &frmEditor::Picture1_Resize);
    connect(&game.Clock(), &GameClock::speedChanged, this, &frmEditor::Picture1_Resize);
    ShowGame(game.CurrentGame());
    ShowClock(game.Clock().Time());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Picture2);
    layout->addWidget(glance);
    layout->addStretch(1);
    layout->addWidget(Picture1);
    setCentralWidget(client);
    resize(Twips::ToPixels(kClientWidthTwips), Twips::ToPixels(kClientHeightTwips) + menuBar()->sizeHint().height());
}

frmEditor::~frmEditor() = default;

void frmEditor::createMenus()
{
    struct Entry {
        int index;
        const char* caption; ///< none for a separator
    };
    auto build = [this](const char* name, const char* caption, const char* itemName,
                     std::initializer_list<Entry> entries, QMap<int, QAction*>& items, void (frmEditor::*click)(int)) {
        QMenu* m = menuBar()->addMenu(tr(caption));
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        for (const Entry& e : entries) {
            QAction* a = e.caption ? m->addAction(tr(e.caption)) : m->addSeparator();
            a->setObjectName(QStringLiteral("%1(%2)").arg(QString::fromLatin1(itemName)).arg(e.index));
            items.insert(e.index, a);
            const int index = e.index;
            connect(a, &QAction::triggered, this, [this, click, index] { (this->*click)(index); });
        }
        return m;
    };
    mnuFile = build("mnuFile", QT_TR_NOOP("&File"), "mnuFileItem",
        {{0, QT_TR_NOOP("&New")}, {1, QT_TR_NOOP("C&ontinue...")}, {2, QT_TR_NOOP("&Hall of fame")},
            {3, QT_TR_NOOP("&Close")}, {4, nullptr}, {5, QT_TR_NOOP("E&xit")}},
        fileItems_, &frmEditor::mnuFileItem_Click);
    mnuAsset = build("mnuAsset", QT_TR_NOOP("A&ssets"), "mnuAssetitem",
        {{0, QT_TR_NOOP("T&rade")}, {1, QT_TR_NOOP("&Prices")}, {2, QT_TR_NOOP("&Chart")}, {3, QT_TR_NOOP("&Orders")},
            {4, QT_TR_NOOP("&News")}},
        assetItems_, &frmEditor::mnuAssetitem_Click);
    //: The Balance menu, and its entry that opens the Balance window.
    mnuAnalyze = build("mnuAnalyze", QT_TR_NOOP("&Balance"), "mnuAnalyzeItem",
        {{0, QT_TR_NOOP("&Balance")}, {1, QT_TR_NOOP("P&osition")}, {2, QT_TR_NOOP("&Transaction")},
            {3, QT_TR_NOOP("Pe&rformance")}},
        analyzeItems_, &frmEditor::mnuAnalyzeItem_Click);
    mnuTools = build("mnuTools", QT_TR_NOOP("&Tools"), "mnuToolsItem",
        {{0, QT_TR_NOOP("A&dd new assets")}, {1, QT_TR_NOOP("&Edit assets")}, {2, QT_TR_NOOP("Market &news")}},
        toolsItems_, &frmEditor::mnuToolsItem_Click);
    toolsItems_[2]->setCheckable(true);
    clockMenu_ = new ClockMenu(menuBar(), clockItems_, lblPace, Session::Current().Clock());
    mnuClock = clockMenu_->menu();
    mnuAbout = build("mnuAbout", QT_TR_NOOP("&About..."), "mnuAboutItem",
        {{0, QT_TR_NOOP("Help")}, {2, nullptr}, {3, QT_TR_NOOP("About")}}, aboutItems_, &frmEditor::mnuAboutItem_Click);
    mnuAbout->setProperty("helpContextID", 1);
    aboutItems_[0]->setProperty("helpContextID", 1);
}

void frmEditor::createTimers()
{
    // The game's clock counts them down and switches them; the window runs their procedures.
    Timer1 = &Session::Current().Clock().Minute();
    connect(Timer1, &VbTimer::timeout, this, &frmEditor::Timer1_Timer);
    Timer2 = &Session::Current().Clock().Market();
    connect(Timer2, &VbTimer::timeout, this, &frmEditor::Timer2_Timer);
}

void frmEditor::formLoad()
{
    App::SetHelpFile(App::HelpFileInLanguage());
    Help::InstallF1();
    if (!App::AcquireInstanceLock()) {
        Ui::MsgBox(tr("Проект уже запущен!"));
        Forms::Unload(this);
        App::EndProgram();
        return;
    }
    QDir::setCurrent(App::Folder());
    Picture1_Resize();
    Picture2_Resize();
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        const QSize frame = frameGeometry().size().expandedTo(size());
        move(g.x() + g.width() / 2 - frame.width() / 2, g.y() + g.height() / 2 - frame.height() / 2);
    }
    Session::Current().Clock().SetBaseDate(QDate::currentDate());
}

bool frmEditor::MenuVisible(QMenu* m) { return m->menuAction()->isVisible(); }

void frmEditor::ShowGame(const Game* game)
{
    const bool open = game != nullptr;
    ShowNews({}); // the last game's news is no news of this one
    glance->Refresh(game);
    for (QMenu* m : {mnuAsset, mnuTools, mnuAnalyze, mnuClock}) {
        m->menuAction()->setVisible(open);
        m->menuAction()->setEnabled(open);
        m->setEnabled(open);
    }
    fileItems_[1]->setEnabled(!open); // Continue: a game that was never closed, while none is open
    fileItems_[3]->setEnabled(open); // Close
    ShowNewsChoice(game && game->News());
    // The commands the toolbar shares: its buttons follow them.
    for (QAction* a : {assetItems_[0], assetItems_[2], analyzeItems_[0]}) {
        a->setVisible(open);
        a->setEnabled(open);
    }
}

void frmEditor::ShowClock(const std::optional<QDateTime>& t)
{
    if (t)
        glance->ClockMoved(Session::Current().CurrentGame(), t->date());
    Label1->setText(t ? Market::ClockText(*t) : QString());
    Label2->setText(t ? Market::WeekdayName(*t) : QString());
}

void frmEditor::ShowNewsChoice(bool on)
{
    toolsItems_[2]->setChecked(on);
    lblNews->setText(on ? tr("News on") : QString());
    Picture1_Resize();
}

void frmEditor::ShowNews(const QString& text, bool announce)
{
    lblStatus->setText(text);
    // Whole, where the status bar has no room for it.
    lblStatus->setToolTip(text);
    lblStatus->setAccessibleDescription(text.isEmpty() ? tr("What the market did") : text);
    glance->ShowNews(text);
    if (announce && !text.isEmpty())
        Accessibility::Announce(lblStatus, text);
}

void frmEditor::newCommand()
{
    setWindowTitle((newFromToolbar_ ? tr("Varnel Ticora: ") : tr("Varnel Korvath: ")) + App::kVersion);
    newFromToolbar_ = false;
    Module1::OpenNewGameWindow();
    Module1::PresetStartingBalance();
}

void frmEditor::OfferSavedGames(bool asked)
{
    frmContinue& d = Forms::Get<frmContinue>();
    if (d.Games().empty()) {
        Forms::Unload(&d);
        if (asked)
            Ui::MsgBox(tr("There is no game to continue."));
        return;
    }
    connect(&d, &frmContinue::continued, this, &frmEditor::showContinued, Qt::UniqueConnection);
    GameShell::ShowWindow<frmContinue>(true);
}

void frmEditor::showContinued() { setWindowTitle(tr("Varnel Ticora: ") + App::kVersion); }

void frmEditor::mnuFileItem_Click(int index)
{
    switch (index) {
    case 0:
        newCommand();
        break;
    case 1:
        OfferSavedGames(true);
        break;
    case 2:
        GameShell::ShowWindow<frmHallOfFame>();
        break;
    case 3:
        EndGame::Close();
        break;
    case 5:
        if (EndGame::Exit())
            App::EndProgram();
        break;
    }
}

namespace {
/// The window each entry of a menu shows, by the entry's index.
using Shows = void (*)(bool modal);
void showEntry(std::initializer_list<Shows> windows, int index, bool modal = false)
{
    if (index >= 0 && index < int(windows.size()))
        std::data(windows)[index](modal);
}
} // namespace

void frmEditor::mnuAssetitem_Click(int index)
{
    showEntry({GameShell::ShowWindow<Form1>, GameShell::ShowWindow<Form4>, GameShell::ShowWindow<Form9>,
                  GameShell::ShowWindow<frmOrders>, GameShell::ShowWindow<frmNews>},
        index);
}

void frmEditor::mnuAnalyzeItem_Click(int index)
{
    showEntry({GameShell::ShowWindow<Form3>, GameShell::ShowWindow<Form5>, GameShell::ShowWindow<Form11>,
                  GameShell::ShowWindow<frmPerformance>},
        index);
}

void frmEditor::mnuToolsItem_Click(int index)
{
    if (index == 2)
        return GameShell::SetNews(toolsItems_[2]->isChecked());
    showEntry({GameShell::ShowWindow<Form6>, GameShell::ShowWindow<Form7>}, index, true);
}

void frmEditor::mnuAboutItem_Click(int index)
{
    if (index == 0)
        GameShell::ShowHelp(0);
    else if (index == 3) {
        Forms::Get<frmAbout>().SetText(frmAbout::AboutText());
        GameShell::ShowWindow<frmAbout>(true);
    }
}

void frmEditor::Newup_Click()
{
    Newup->repaint();
    newFromToolbar_ = true;
}

void frmEditor::Timer1_Timer() { Module1::AdvanceClock(); }

void frmEditor::Timer2_Timer() { Module1::MarketTick(Session::Current().CurrentGame()); }

void frmEditor::closeEvent(QCloseEvent* e)
{
    if (!EndGame::Exit())
        return e->ignore();
    e->accept();
    App::EndProgram();
}
