#!/usr/bin/env bash
# Starts the real game on a private X server the way scaled desktops run it
# (Xft.dpi 144, QT_SCALE_FACTOR 1.5 and 2), clicks it as a player would and
# closes it: it must not crash, must be as large as the factor says, and the
# clicks must land on the buttons under the pointer.
# Usage: scaled_start_test.sh PROGRAM
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
status=0

one_case() {  # label, factor, then x_session options
  local label=$1 factor=$2
  shift 2
  "$here/x_session.sh" "$@" -- bash "$here/scaled_start_case.sh" "$program" "$factor" || {
    echo "FAILED: $label"
    status=1
  }
}

one_case "Xft.dpi 144" 1.5 --dpi 144
QT_SCALE_FACTOR=1.5 one_case "QT_SCALE_FACTOR 1.5" 1.5
QT_SCALE_FACTOR=2 one_case "QT_SCALE_FACTOR 2" 2
exit $status
