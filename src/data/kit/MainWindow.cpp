#include "MainWindow.h"
#include "Exchange.h"

namespace MainWindow {

namespace {
View& view()
{
    static View v;
    return v;
}
} // namespace

void ShowGame(bool open)
{
    if (view().showGame)
        view().showGame(open);
}

void ShowClock(const std::optional<QDateTime>& t)
{
    Exchange::SetShown(t);
    if (view().showClock)
        view().showClock(t);
}

void SetView(View v) { view() = std::move(v); }

} // namespace MainWindow
