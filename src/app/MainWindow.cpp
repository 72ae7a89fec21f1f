#include "MainWindow.h"
#include "AboutDialog.h"
#include "Bars.h"
#include "ClockMenu.h"
#include "EndGame.h"
#include "GamePanel.h"
#include "GameShell.h"
#include "HelpFile.h"
#include "assets/AddAssetDialog.h"
#include "assets/EditStockDialog.h"
#include "data/ContinueDialog.h"
#include "data/NewGameDialog.h"
#include "game/GameTimer.h"
#include "game/Session.h"
#include "market/Clock.h"
#include "market/NewsWindow.h"
#include "market/PriceBoard.h"
#include "market/StockPerformanceDialog.h"
#include "reports/HallOfFameWindow.h"
#include "reports/PerformanceWindow.h"
#include "reports/PositionWindow.h"
#include "reports/TransactionsWindow.h"
#include "trading/BalanceWindow.h"
#include "trading/OrdersWindow.h"
#include "trading/TradingDesk.h"
#include "ui/Accessibility.h"
#include "ui/App.h"
#include "ui/Controls.h"
#include "ui/MsgBox.h"
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

MainWindow::MainWindow()
{
    setWindowTitle(App::kTitle);
    createStatusBar();
    glance = new GamePanel(this);
    createActions();
    createMenus();
    createToolbar();
    GameShell::Wire();
    // The clock's countdowns are the main window's timers; the shell runs what they call.
    Session& session = Session::Current();
    minuteTimer = &session.Clock().Minute();
    marketTimer = &session.Clock().Market();
    connect(minuteTimer, &GameTimer::timeout, this, &GameShell::AdvanceClock);
    connect(marketTimer, &GameTimer::timeout, this, &GameShell::MoveMarket);
    // The menus, toolbar, timers, the panel and the clock labels follow the game.
    connect(&session, &Session::gameChanged, this, &MainWindow::ShowGame);
    connect(&session, &Session::newsChanged, this, &MainWindow::ShowNewsChoice);
    connect(&session.Clock(), &GameClock::timeChanged, this, &MainWindow::ShowClock);
    for (auto change : {&Session::moved, &Session::traded, &Session::ordersChanged})
        connect(&session, change, glance, [this] { glance->Refresh(Session::Current().CurrentGame()); });
    ShowGame(session.CurrentGame());
    ShowClock(session.Clock().Time());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(glance);
    layout->addStretch(1);
    layout->addWidget(statusBar);
    setCentralWidget(client);
    // Room for the panel of a game, whose window opens before its game.
    const QFontMetrics fm = fontMetrics();
    resize(std::max(sizeHint().width(), fm.averageCharWidth() * 90), fm.height() * 24);
}

MainWindow::~MainWindow() = default;

void MainWindow::createActions()
{
    struct Command {
        QAction** action;
        const char* name;
        const char* caption;
        std::function<void()> run;
    };
    using GameShell::ShowWindow;
    const Command commands[] = {
        {&newAction, "newAction", QT_TR_NOOP("&New"), [this] { newGame(); }},
        {&continueAction, "continueAction", QT_TR_NOOP("C&ontinue..."), [this] { OfferSavedGames(true); }},
        {&hallOfFameAction, "hallOfFameAction", QT_TR_NOOP("&Hall of fame"),
            [] { ShowWindow<HallOfFameWindow>(); }},
        {&closeAction, "closeAction", QT_TR_NOOP("&Close"), [] { EndGame::Close(); }},
        {&exitAction, "exitAction", QT_TR_NOOP("E&xit"),
            [] {
                if (EndGame::Exit())
                    App::EndProgram();
            }},
        {&tradeAction, "tradeAction", QT_TR_NOOP("T&rade"), [] { ShowWindow<TradingDesk>(); }},
        {&pricesAction, "pricesAction", QT_TR_NOOP("&Prices"), [] { ShowWindow<PriceBoard>(); }},
        {&chartAction, "chartAction", QT_TR_NOOP("&Chart"), [] { ShowWindow<StockPerformanceDialog>(); }},
        {&ordersAction, "ordersAction", QT_TR_NOOP("&Orders"), [] { ShowWindow<OrdersWindow>(); }},
        {&newsAction, "newsAction", QT_TR_NOOP("&News"), [] { ShowWindow<NewsWindow>(); }},
        //: The Balance menu's entry that opens the Balance window.
        {&balanceAction, "balanceAction", QT_TR_NOOP("&Balance"), [] { ShowWindow<BalanceWindow>(); }},
        {&positionAction, "positionAction", QT_TR_NOOP("P&osition"), [] { ShowWindow<PositionWindow>(); }},
        {&transactionsAction, "transactionsAction", QT_TR_NOOP("&Transaction"),
            [] { ShowWindow<TransactionsWindow>(); }},
        {&performanceAction, "performanceAction", QT_TR_NOOP("Pe&rformance"),
            [] { ShowWindow<PerformanceWindow>(); }},
        {&addAssetAction, "addAssetAction", QT_TR_NOOP("A&dd new assets"), [] { ShowWindow<AddAssetDialog>(true); }},
        {&editAssetAction, "editAssetAction", QT_TR_NOOP("&Edit assets"), [] { ShowWindow<EditStockDialog>(true); }},
        {&marketNewsAction, "marketNewsAction", QT_TR_NOOP("Market &news"),
            [this] { GameShell::SetNews(marketNewsAction->isChecked()); }},
        {&helpAction, "helpAction", QT_TR_NOOP("Help"), [] { GameShell::ShowHelp(0); }},
        {&aboutAction, "aboutAction", QT_TR_NOOP("About"),
            [] {
                Forms::Get<AboutDialog>().SetText(AboutDialog::AboutText());
                ShowWindow<AboutDialog>(true);
            }},
    };
    for (const Command& c : commands) {
        auto* a = new QAction(tr(c.caption), this);
        a->setObjectName(QString::fromLatin1(c.name));
        connect(a, &QAction::triggered, this, c.run);
        *c.action = a;
    }
    marketNewsAction->setCheckable(true);
    helpAction->setProperty("helpContextID", 1);
}

void MainWindow::createMenus()
{
    auto menu = [this](const char* name, const char* caption, std::initializer_list<QAction*> actions) {
        QMenu* m = menuBar()->addMenu(tr(caption));
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        for (QAction* a : actions) {
            if (a)
                m->addAction(a);
            else
                m->addSeparator();
        }
        return m;
    };
    fileMenu = menu("fileMenu", QT_TR_NOOP("&File"),
        {newAction, continueAction, hallOfFameAction, closeAction, nullptr, exitAction});
    assetsMenu =
        menu("assetsMenu", QT_TR_NOOP("A&ssets"), {tradeAction, pricesAction, chartAction, ordersAction, newsAction});
    //: The Balance menu, which holds the entry that opens the Balance window.
    balanceMenu = menu("balanceMenu", QT_TR_NOOP("&Balance"),
        {balanceAction, positionAction, transactionsAction, performanceAction});
    toolsMenu = menu("toolsMenu", QT_TR_NOOP("&Tools"), {addAssetAction, editAssetAction, marketNewsAction});
    clock = new ClockMenu(menuBar(), paceLabel, Session::Current().Clock());
    clockMenu = clock->menu();
    //: The help menu, which holds Help and About.
    helpMenu = menu("helpMenu", QT_TR_NOOP("&About..."), {helpAction, nullptr, aboutAction});
    helpMenu->setProperty("helpContextID", 1);
}

void MainWindow::Load()
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
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        const QSize frame = frameGeometry().size().expandedTo(size());
        move(g.x() + g.width() / 2 - frame.width() / 2, g.y() + g.height() / 2 - frame.height() / 2);
    }
    Session::Current().Clock().SetBaseDate(QDate::currentDate());
}

bool MainWindow::MenuVisible(QMenu* m) { return m->menuAction()->isVisible(); }

void MainWindow::ShowGame(const Game* game)
{
    const bool open = game != nullptr;
    ShowNews({}); // the last game's news is no news of this one
    glance->Refresh(game);
    for (QMenu* m : {assetsMenu, toolsMenu, balanceMenu, clockMenu}) {
        m->menuAction()->setVisible(open);
        m->menuAction()->setEnabled(open);
        m->setEnabled(open);
    }
    continueAction->setEnabled(!open); // a game that was never closed, while none is open
    closeAction->setEnabled(open);
    ShowNewsChoice(game && game->News());
    // The commands the toolbar shares: its buttons follow them.
    for (QAction* a : {tradeAction, chartAction, balanceAction}) {
        a->setVisible(open);
        a->setEnabled(open);
    }
}

void MainWindow::ShowClock(const std::optional<QDateTime>& t)
{
    if (t)
        glance->ClockMoved(Session::Current().CurrentGame(), t->date());
    clockLabel->setText(t ? Market::ClockText(*t) : QString());
    weekdayLabel->setText(t ? Market::WeekdayName(*t) : QString());
}

void MainWindow::ShowNewsChoice(bool on)
{
    marketNewsAction->setChecked(on);
    newsLabel->setText(on ? tr("News on") : QString());
}

void MainWindow::ShowNews(const QString& text, bool announce)
{
    statusLabel->setText(text); // whole in its tooltip, where the bar has no room for it
    statusLabel->setAccessibleDescription(text.isEmpty() ? tr("What the market did") : text);
    glance->ShowNews(text);
    if (announce && !text.isEmpty())
        Accessibility::Announce(statusLabel, text);
}

void MainWindow::newGame()
{
    setWindowTitle((newFromToolbar_ ? tr("Varnel Ticora: ") : tr("Varnel Korvath: ")) + App::kVersion);
    newFromToolbar_ = false;
    NewGameDialog::Open();
}

void MainWindow::OfferSavedGames(bool asked)
{
    ContinueDialog& d = Forms::Get<ContinueDialog>();
    if (d.Games().empty()) {
        Forms::Unload(&d);
        if (asked)
            Ui::MsgBox(tr("There is no game to continue."));
        return;
    }
    connect(&d, &ContinueDialog::continued, this, [this] { setWindowTitle(tr("Varnel Ticora: ") + App::kVersion); },
        Qt::SingleShotConnection);
    GameShell::ShowWindow<ContinueDialog>(true);
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    if (!EndGame::Exit())
        return e->ignore();
    e->accept();
    App::EndProgram();
}
