#!/usr/bin/env bash
# One start of the game on the X server in DISPLAY at a scale factor:
# the window's size, a click on the Hexagon button, a click on the exit
# button and Enter for "yes"; the stored puzzle proves where the clicks went.
# Usage: scaled_start_case.sh PROGRAM FACTOR
set -u
program=$1 factor=$2
config=$(mktemp -d)
trap 'kill $game 2>/dev/null; rm -rf "$config"' EXIT
mkdir -p "$config/BlivoGames/BlivoTurnix"
printf '[common]\ntongue=0\nmusic=0\nmode=0\n' >"$config/BlivoGames/BlivoTurnix/V1.ini"

fail() { echo "scaled start at $factor: $*" >&2; exit 1; }
device() { awk -v v="$1" -v f="$factor" 'BEGIN { printf "%d", v * f }'; }

XDG_CONFIG_HOME=$config SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb "$program" 2>"$config/stderr" &
game=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Blivo Turnix V1.6$' 2>/dev/null | head -1)
  [ -n "$window" ] && break
  kill -0 $game 2>/dev/null || fail "the game ended at start: $(cat "$config/stderr")"
  sleep 0.1
done
[ -n "$window" ] || fail "no window"

size=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
expected="$(device 500)x$(device 366)"
[ "$size" = "$expected" ] || fail "the window is $size, not $expected"

# The greeting comes over the painted board: the splash, 200 x 150.
splash="$(device 200)x$(device 150)+"
seen=0
for _ in $(seq 30); do
  xwininfo -root -tree | grep -q " $splash" && { seen=1; break; }
  sleep 0.1
done
[ "$seen" = 1 ] || fail "no splash greets the player"
sleep 3.3  # the splash goes after three seconds
kill -0 $game 2>/dev/null || fail "the game ended: $(cat "$config/stderr")"
# The Hexagon button (200, 4, 25 x 25) and the exit button (148, 4), at their middles.
xdotool mousemove --window "$window" "$(device 212)" "$(device 16)" click 1
sleep 0.5
kill -0 $game 2>/dev/null || fail "the game ended on a click: $(cat "$config/stderr")"
xdotool mousemove --window "$window" "$(device 160)" "$(device 16)" click 1
sleep 0.5
xdotool key Return
for _ in $(seq 50); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
kill -0 $game 2>/dev/null && fail "the game did not end after yes to the end-game question"
wait $game || fail "the game ended with status $?: $(cat "$config/stderr")"
grep -q '^mode=1' "$config/BlivoGames/BlivoTurnix/V1.ini" ||
  fail "the click on the Hexagon button was not taken: $(cat "$config/BlivoGames/BlivoTurnix/V1.ini")"
exit 0
