#pragma once

/// What a trade is: a purchase, a sale, a short covered or sold; none before one is chosen.
enum class TradeType { None, Buy, Sell, CoverShort, SellShort };
