#include "TradingEvents.h"

namespace Trading {

Events& Events::Get()
{
    static Events e;
    return e;
}

} // namespace Trading
