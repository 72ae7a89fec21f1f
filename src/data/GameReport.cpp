#include "GameReport.h"

namespace GameReport {

bool Read(ReportWindow& window, const Game& game, const QString& failure, const std::function<void(dao::Database&)>& read)
{
    try {
        dao::Database file = game.Open();
        read(file);
    } catch (const std::exception& e) {
        // Said in the window: every move refreshes it, and a message box each time would lock the player out.
        window.ReportFailure(failure, e);
        return false;
    }
    window.SetNote({});
    return true;
}

} // namespace GameReport
