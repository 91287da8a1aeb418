#!/usr/bin/env bash
# Runs a command as a client of a private Wayland compositor (weston's
# headless back end), the way a player's Wayland desktop runs it.
# Usage: wayland_session.sh [--scale N] -- command [args...]
# The command gets WAYLAND_DISPLAY and QT_QPA_PLATFORM=wayland; its exit code is the script's.
set -u
scale=1
while [ $# -gt 0 ]; do
  case "$1" in
    --scale) scale=$2; shift ;;
    --) shift; break ;;
    *) echo "wayland_session: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
[ $# -gt 0 ] || { echo "wayland_session: no command" >&2; exit 2; }

work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket=blivo-wayland
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --no-config --shell=desktop-shell.so \
  --width=1024 --height=768 --scale="$scale" >"$work/weston.log" 2>&1 &
compositor=$!
cleanup() {
  kill "$compositor" 2>/dev/null
  wait "$compositor" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.05; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { echo "wayland_session: weston did not start" >&2; cat "$work/weston.log" >&2; exit 1; }

export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
"$@"
