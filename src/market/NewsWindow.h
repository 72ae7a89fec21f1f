#pragma once
#include "ui/ReportWindow.h"
#include <cstdint>

/// News: the game's headlines, newest first, with their time.
class NewsWindow : public ReportWindow {
    Q_OBJECT
public:
    NewsWindow();
    void Load() override;
    /// Lists the market's headlines anew; where they cannot be read, says why.
    void Refresh();
    /// Adds the headlines it has not shown yet, at the top.
    void AddNew();

private:
    int64_t lastShown_ = 0; ///< the bookmark of the newest headline shown
};
