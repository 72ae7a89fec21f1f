#!/bin/sh
# The market tick against its yardstick: the cheapest SQLite program that does
# one tick's writes over 1000 stocks in one transaction with cached statements
# (../shared/bench-baseline, mode one-txn-cached), and BM_MarketTick/1000, run
# alternately in one go (five times each, or TICORA_RATIO_RUNS), since absolute
# times drift on shared machines. Each run gives its median tick, as the
# yardstick does; prints the median of the runs of each and their ratio, and
# the tick with its three refreshes (BM_MarketTickWithRefreshes/1000) against
# what it is allowed: 1.1 times the yardstick plus 5 ms; and the game's worth
# row that every tick adds (BM_RecordWorth) against the tick, as a ratio, and
# against what it is allowed: 2 ms; and the margin check every move makes
# (BM_MarginCheck, 50 holdings) against its 1 ms; and what 100 open orders add
# to a move (BM_FillOrders, and BM_MarketTickWithOrders against the tick with
# its refreshes) against their 2 ms; and what the market's news adds to a move
# (BM_NewsOfAMove, and BM_MarketTickWithNews against BM_MarketTick) against its 1 ms;
# and a whole move as the game makes it with no window open, the news on and
# 100 orders open (BM_GameMove/1000), against 1.1 times the yardstick.
set -e
cd "$(dirname "$0")/.."
base="${TICORA_BENCH_BASELINE:-../shared/bench-baseline}"
[ -f "$base/tickbase.cpp" ] || { echo "no yardstick at $base" >&2; exit 2; }
out=build/tick-ratio
mkdir -p "$out"
g++ -std=c++20 -O2 -o "$out/tickbase" "$base/tickbase.cpp" -lsqlite3
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target bench_market bench_reports bench_trading -j"$(nproc)" >/dev/null
for f in yardstick tick refreshes worth margin orders withorders news newsalone move; do : >"$out/$f.txt"; done
# One benchmark of a program, by its name and the first of its arguments:
# appends its median tick (a ticking one) or its time per run to a file.
measure() {
  "build/bench/$1" --benchmark_filter="^$2$3" --benchmark_format=csv 2>/dev/null |
    awk -F, -v name="\"$2" -v median="$4" 'index($0, name) == 1 { print median ? $NF : $3 }' >>"$out/$5"
}
runs="${TICORA_RATIO_RUNS:-5}"
for run in $(seq "$runs"); do
  d=$(mktemp -d)
  "$out/tickbase" "$d" 1000 --ticks 20 | sed -n 's/^mode=one-txn-cached .*median_ms=\([0-9.]*\).*/\1/p' >>"$out/yardstick.txt"
  rm -rf "$d"
  measure bench_market BM_MarketTick /1000/ 1 tick.txt
  measure bench_reports BM_MarketTickWithRefreshes /1000/ 1 refreshes.txt
  measure bench_reports BM_RecordWorth '$' 0 worth.txt
  measure bench_trading BM_MarginCheck '$' 0 margin.txt
  measure bench_trading BM_FillOrders '$' 0 orders.txt
  measure bench_reports BM_MarketTickWithOrders /1000/ 1 withorders.txt
  measure bench_market BM_MarketTickWithNews /1000/ 1 news.txt
  measure bench_market BM_NewsOfAMove / 0 newsalone.txt
  measure bench_reports BM_GameMove /1000/ 1 move.txt
done
median() { sort -n "$1" | sed -n "$(((runs + 1) / 2))p"; }
y=$(median "$out/yardstick.txt")
t=$(median "$out/tick.txt")
echo "yardstick one-txn-cached, 1000 stocks: $(tr '\n' ' ' <"$out/yardstick.txt")ms -> median $y ms"
echo "BM_MarketTick/1000:                    $(tr '\n' ' ' <"$out/tick.txt")ms -> median $t ms"
w=$(median "$out/refreshes.txt")
awk -v t="$t" -v y="$y" 'BEGIN { printf "ratio: %.2f\n", t / y }'
echo "BM_MarketTickWithRefreshes/1000:       $(tr '\n' ' ' <"$out/refreshes.txt")ms -> median $w ms"
awk -v w="$w" -v y="$y" 'BEGIN { printf "with refreshes: %.1f ms, allowed 1.1 x %.1f + 5 = %.1f ms\n", w, y, 1.1 * y + 5 }'
r=$(median "$out/worth.txt")
echo "BM_RecordWorth:                        $(tr '\n' ' ' <"$out/worth.txt")ms -> median $r ms"
awk -v r="$r" -v t="$t" 'BEGIN { printf "tick with its worth row: %.3f x the tick; the row %.2f ms, allowed 2 ms\n", (t + r) / t, r }'
m=$(median "$out/margin.txt")
echo "BM_MarginCheck:                        $(tr '\n' ' ' <"$out/margin.txt")ms -> median $m ms"
awk -v m="$m" 'BEGIN { printf "the margin check after a move: %.3f ms, allowed 1 ms\n", m }'
o=$(median "$out/orders.txt")
echo "BM_FillOrders:                         $(tr '\n' ' ' <"$out/orders.txt")ms -> median $o ms"
v=$(median "$out/withorders.txt")
echo "BM_MarketTickWithOrders/1000:          $(tr '\n' ' ' <"$out/withorders.txt")ms -> median $v ms"
awk -v o="$o" -v v="$v" -v w="$w" 'BEGIN { printf "100 open orders: %.3f ms a move (the tick with them %.1f ms, without %.1f ms), allowed 2 ms\n", o, v, w }'
n=$(median "$out/news.txt")
echo "BM_MarketTickWithNews/1000:            $(tr '\n' ' ' <"$out/news.txt")ms -> median $n ms"
a=$(median "$out/newsalone.txt")
echo "BM_NewsOfAMove:                        $(tr '\n' ' ' <"$out/newsalone.txt")ms -> median $a ms"
awk -v a="$a" -v n="$n" -v t="$t" 'BEGIN { printf "the market news: %.3f ms a move, allowed 1 ms (the tick with it %.1f ms, without %.1f ms)\n", a, n, t }'
g=$(median "$out/move.txt")
echo "BM_GameMove/1000:                      $(tr '\n' ' ' <"$out/move.txt")ms -> median $g ms"
awk -v g="$g" -v y="$y" 'BEGIN { printf "a move with no window open, news on, 100 orders: %.1f ms = %.2f x the yardstick, allowed 1.1\n", g, g / y }'
