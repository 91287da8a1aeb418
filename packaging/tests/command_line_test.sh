#!/usr/bin/env bash
# --help and --version print their text and end with 0 before the toolkit is
# started: there is no display, and the X platform is asked for, so a program
# that tried to open a window would fail. Words the game does not know, and
# -debug, start the game as before.
# Usage: command_line_test.sh PROGRAM VERSION
set -u
program=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAILED: $*" >&2; status=1; }
ulimit -c 0  # a toolkit that aborts for want of a display leaves no core file

# The program with no display at all; $work/out and $work/err get what it says.
headless() {
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" TMPDIR="$work" \
    timeout 20 "$program" "$@" >"$work/out" 2>"$work/err"
}

help_start="Usage: blivoturnix"
version_line="Blivo Turnix $version"
# parameters | what the first line of standard output is
cases=(
  "--help|$help_start"
  "--version|$version_line"
  "-debug --help|$help_start"
  "--version --help|$version_line"
  "--help --version|$help_start"
  "/debug --frobnicate --version|$version_line"
)
for c in "${cases[@]}"; do
  args=${c%%|*} first=${c#*|}
  # shellcheck disable=SC2086  # the parameters are words
  headless $args
  rc=$?
  [ $rc -eq 0 ] || fail "'$args' ended with $rc: $(cat "$work/err")"
  got=$(head -n 1 "$work/out")
  [[ $got == "$first"* ]] || fail "'$args' printed '$got', not '$first...'"
  [ -s "$work/err" ] && fail "'$args' wrote to standard error: $(cat "$work/err")"
done

# The help names every option it answers to.
headless --help
for option in -debug /debug --help --version; do
  grep -q -- "$option" "$work/out" || fail "--help does not mention $option"
done
# Nothing of the game ran: no settings folder, no log.
[ -e "$work/config" ] && fail "--help or --version made the settings folder"
ls "$work" | grep -q HHDebug && fail "--help or --version wrote a log"

# An output that cannot take the text is a failure, said on standard error.
env -u DISPLAY QT_QPA_PLATFORM=xcb timeout 20 "$program" --version >/dev/full 2>"$work/err"
rc=$?
[ $rc -ne 0 ] || fail "--version into a full output ended with 0"
[ -s "$work/err" ] || fail "--version into a full output said nothing"

# Anything else starts the game, which then needs the display it does not have.
for args in "--frobnicate" "-debug" "-help" "--HELP"; do
  headless $args
  rc=$?
  [ $rc -ne 0 ] && grep -qi "display" "$work/err" ||
    fail "'$args' did not try to start the game (status $rc): $(head -c 300 "$work/out") $(head -c 300 "$work/err")"
done

# And on a platform that needs no display, the game started with an unknown option paints its board.
mkdir -p "$work/config/BlivoGames/BlivoTurnix"
printf '[common]\ntongue=0\nmusic=0\n' >"$work/config/BlivoGames/BlivoTurnix/V1.ini"
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy BLIVO_EXIT_AFTER_FIRST_PAINT=1 XDG_CONFIG_HOME="$work/config" \
  TMPDIR="$work" timeout 60 "$program" --frobnicate >"$work/out" 2>"$work/err"
rc=$?
[ $rc -eq 0 ] || fail "the game with an unknown option ended with $rc: $(cat "$work/err")"

[ $status -eq 0 ] && echo "command line: all cases passed"
exit $status
