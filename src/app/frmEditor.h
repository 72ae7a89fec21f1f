#pragma once
#include "ui/Forms.h"
#include <QDate>
#include <QDateTime>
#include <QMainWindow>
#include <QMap>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class ClockMenu;
class FitLabel;
class GamePanel;
class Game;
class ImageButton;
class PictureBox;
class VbTimer;

/// The main window: menus, toolbar, the status bar with the clock, and the two
/// timers that drive the simulation.
class frmEditor : public QMainWindow, public Forms::Main {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmEditor";
    /// The client area as designed.
    static constexpr int kClientWidthTwips = 7680, kClientHeightTwips = 5220;
    frmEditor();
    void formLoad();

    // Controls, by their names.
    PictureBox* Picture1 = nullptr; ///< status bar
    PictureBox* Picture2 = nullptr; ///< toolbar
    QLabel* Label1 = nullptr; ///< Label1(0): the clock time
    QLabel* Label2 = nullptr; ///< Label2(0): the weekday
    QLabel* lblPace = nullptr; ///< "Paused", and a speed other than normal
    QLabel* lblNews = nullptr; ///< "News on" while the game's market has news
    FitLabel* lblStatus = nullptr; ///< what the market did by itself, such as an order it filled
    GamePanel* glance = nullptr; ///< the game at a glance, while one is open
    VbTimer* Timer1 = nullptr; ///< the clock's minute
    VbTimer* Timer2 = nullptr; ///< the clock's market countdown
    QMenu *mnuFile = nullptr, *mnuAsset = nullptr, *mnuAnalyze = nullptr, *mnuTools = nullptr, *mnuClock = nullptr,
          *mnuAbout = nullptr;
    ImageButton *Newup = nullptr, *tradeup = nullptr, *chartup = nullptr, *balup = nullptr;

    QAction* mnuFileItem(int index) const { return fileItems_.value(index); }
    QAction* mnuAssetitem(int index) const { return assetItems_.value(index); }
    QAction* mnuAnalyzeItem(int index) const { return analyzeItems_.value(index); }
    QAction* mnuToolsItem(int index) const { return toolsItems_.value(index); }
    QAction* mnuClockItem(int index) const { return clockItems_.value(index); }
    QAction* mnuAboutItem(int index) const { return aboutItems_.value(index); }

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

    // Event handlers.
    void Picture1_Resize();
    void Picture2_Resize();
    void mnuFileItem_Click(int index);
    void mnuAssetitem_Click(int index);
    void mnuAnalyzeItem_Click(int index);
    void mnuToolsItem_Click(int index);
    void mnuAboutItem_Click(int index);
    void Newup_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    ~frmEditor() override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void createMenus();
    void createToolbar();
    void createStatusBar();
    void createTimers();
    void newCommand();
    void showContinued();
    /// The New command's caption prefix differs when its toolbar button runs it.
    bool newFromToolbar_ = false;

    QMap<int, QAction*> fileItems_, assetItems_, analyzeItems_, toolsItems_, clockItems_, aboutItems_;
    ClockMenu* clockMenu_ = nullptr;
};
