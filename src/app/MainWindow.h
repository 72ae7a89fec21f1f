#pragma once
#include "ui/Forms.h"
#include <QDateTime>
#include <QMainWindow>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class BarPanel;
class ClockMenu;
class ElidedLabel;
class Game;
class GamePanel;
class GameTimer;
class ImageButton;

/// The main window: menus, toolbar, the game at a glance, the status bar with
/// the clock, and the two timers that drive the game.
class MainWindow : public QMainWindow, public Forms::Main {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;
    /// Start-up: the help, the one-instance rule, the window centred, the clock's first day.
    void Load();

    // Every command, once: the menus, the toolbar and the tests use the same action.
    QAction *newAction, *continueAction, *hallOfFameAction, *closeAction, *exitAction;
    QAction *tradeAction, *pricesAction, *chartAction, *ordersAction, *newsAction;
    QAction *balanceAction, *positionAction, *transactionsAction, *performanceAction;
    QAction *addAssetAction, *editAssetAction, *marketNewsAction;
    QAction *helpAction, *aboutAction;
    QMenu *fileMenu, *assetsMenu, *balanceMenu, *toolsMenu, *clockMenu, *helpMenu;
    ClockMenu* clock;

    BarPanel* toolbar;
    ImageButton *newButton, *tradeButton, *chartButton, *balanceButton;
    GamePanel* glance; ///< the game at a glance, while one is open
    BarPanel* statusBar;
    ElidedLabel* statusLabel; ///< what the market did by itself, such as an order it filled
    QLabel* newsLabel; ///< "News on" while the game's market has news
    QLabel* paceLabel; ///< "Paused", and a speed other than normal
    QLabel* weekdayLabel;
    QLabel* clockLabel; ///< the game's date and time
    GameTimer* minuteTimer; ///< the clock's minute
    GameTimer* marketTimer; ///< the clock's market countdown

    /// Whether a menu shows on the menu bar.
    static bool MenuVisible(QMenu* m);
    /// The game's state and the clock's time as the session announces them.
    void ShowGame(const Game* game);
    void ShowClock(const std::optional<QDateTime>& t);
    /// The Tools menu's tick and the status bar's words follow the game's news.
    void ShowNewsChoice(bool on);
    /// What happened unasked, in the status bar and the game's panel; heard
    /// once where it is announced (a message box tells it otherwise).
    void ShowNews(const QString& text, bool announce = true);

    /// The games that were never closed, to continue one; asked from the menu,
    /// it says so when there is none.
    void OfferSavedGames(bool asked);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void createActions();
    void createMenus();
    void createToolbar();
    void createStatusBar();
    void newGame();
    /// The New command's caption prefix differs when its toolbar button runs it.
    bool newFromToolbar_ = false;
};
