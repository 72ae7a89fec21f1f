#include "MarketState.h"

namespace Market {

State& CurrentState()
{
    static State s;
    return s;
}

void ResetState() { CurrentState() = State(); }

} // namespace Market
