#!/usr/bin/env bash
# Runs a command on a private X server, the way a player's desktop runs it.
# Usage: x_session.sh [--wm] [--dpi N] [--size WxH] -- command [args...]
#   --wm     with a window manager (openbox) managing the windows
#   --dpi N  with the X resource Xft.dpi set to N, as desktops set it for a HiDPI screen
# The command gets DISPLAY; its exit code is the script's.
set -u
wm=0 dpi="" size=1024x768
while [ $# -gt 0 ]; do
  case "$1" in
    --wm) wm=1 ;;
    --dpi) dpi=$2; shift ;;
    --size) size=$2; shift ;;
    --) shift; break ;;
    *) echo "x_session: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
[ $# -gt 0 ] || { echo "x_session: no command" >&2; exit 2; }

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# -noreset: the server keeps its resources when the last client leaves.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "x_session: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(tr -d '\n' <"$work/display")"

if [ -n "$dpi" ]; then
  echo "Xft.dpi: $dpi" | xrdb -nocpp -merge || { echo "x_session: xrdb failed" >&2; exit 1; }
fi
if [ "$wm" = 1 ]; then
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
    { echo "x_session: openbox did not start" >&2; cat "$work/openbox.log" >&2; exit 1; }
fi

"$@"
