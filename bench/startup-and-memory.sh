#!/bin/sh
# Start-up to the main window shown (median of 5 runs, under Xvfb), and the
# memory after the first trading day and after an hour of play over 14 and
# over 1000 stocks, with every window open and with none: what the 1000 stocks
# cost (allowed 12 MB with the windows open), what the hour adds after its
# first day (allowed 1 MB), and SQLite's part of it. Run after a build:
# bench/startup-and-memory.sh
set -e
cd "$(dirname "$0")/.."
display=:97
Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY="$display"
runs=""
for i in 1 2 3 4 5; do
  start=$(date +%s%N)
  QT_QPA_PLATFORM=xcb ./build/app/varnel-ticora &  # on the display, whatever the caller set
  app=$!
  waited=0
  until xwininfo -root -tree 2>/dev/null | grep -q '"Varnel Ticora"'; do
    sleep 0.002
    waited=$((waited + 1))
    # Neither a display that did not start nor a program that did not show waits for ever.
    [ "$waited" -lt 5000 ] || { echo "no main window within 10 s" >&2; kill $app 2>/dev/null; exit 1; }
  done
  end=$(date +%s%N)
  kill $app; wait $app 2>/dev/null || true
  runs="$runs $(( (end - start) / 1000000 ))"
done
echo "startup_ms:$runs (median $(echo $runs | tr ' ' '\n' | sort -n | sed -n 3p))"
# The offscreen platform's warnings about window hints say nothing here.
hour() { QT_QPA_PLATFORM=offscreen ./build/bench/bench_session "$@" 2>/dev/null; }
field() { echo "$1" | sed -n "s/.* $2=\([0-9.]*\).*/\1/p"; }
for windows in open closed; do
  small=$(hour 14 "$windows")
  large=$(hour 1000 "$windows")
  echo "$small"
  echo "$large"
  awk -v a="$(field "$large" rss_after_hour_mb)" -v b="$(field "$small" rss_after_hour_mb)" \
    -v d="$(field "$large" rss_after_first_day_mb)" -v w="$windows" -v s="$(field "$large" sqlite_mb)" \
    -v t="$(field "$small" sqlite_mb)" 'BEGIN {
      printf "windows %s: 1000 stocks cost %.1f MB over 14 (SQLite %.1f of it)%s; after the first day %.1f MB%s\n",
        w, a - b, s - t, w == "open" ? ", allowed 12" : "", a - d, w == "open" ? ", allowed 1" : "" }'
done
