#include "MarketEvents.h"

namespace Market {

Events& Events::Get()
{
    static Events e;
    return e;
}

} // namespace Market
