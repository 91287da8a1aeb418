#!/usr/bin/env bash
# Tries the Debian package the way a player meets it: installs it with apt,
# finds its menu entry, starts it as an ordinary user on a private X server
# (once to its first painted board, once for a few seconds as it is played),
# checks that it wrote nothing into /usr/lib/blivoturnix, then removes it with
# apt and checks that nothing of it is left.
#   bash packaging/try_deb.sh [PACKAGE.deb]     (default: the one packaging/make_deb.sh made)
# It changes this machine: it needs root, installs and removes the package, and
# makes the user "player" (removed again at the end if it made it).
set -u
cd "$(dirname "$0")/.."
here=$PWD
deb=${1:-$(ls build-deb/blivoturnix_*.deb 2>/dev/null | head -1)}
[ -n "$deb" ] && [ -f "$deb" ] || { echo "try_deb: no package; run bash packaging/make_deb.sh first" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "try_deb: needs root" >&2; exit 2; }
deb=$(readlink -f "$deb")
id=example.blivogames.BlivoTurnix
status=0
fail() { echo "FAILED: $*" >&2; status=1; }
step() { echo; echo "== $*"; }

step "apt-get install $deb"
DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" || { echo "FAILED: apt could not install it" >&2; exit 1; }
dpkg-query -W -f='${Package} ${Version} ${Status}\n' blivoturnix
dpkg -L blivoturnix | sort >/tmp/blivoturnix-files.$$

step "the menu entry"
entry=/usr/share/applications/$id.desktop
[ -f "$entry" ] && cat "$entry" || fail "no menu entry $entry"
desktop-file-validate "$entry" && echo "desktop-file-validate: no complaint" || fail "desktop-file-validate"
appstreamcli validate --no-net "/usr/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
ls /usr/share/icons/hicolor/*/apps/$id.* || fail "no icons"
program=$(grep -E '^/usr/(games|bin)/blivoturnix$' /tmp/blivoturnix-files.$$)
ls -l "$program"
"$program" --version || fail "blivoturnix --version"
man -w blivoturnix || fail "no manual page"

step "a player starts it"
made_player=0
if ! id player >/dev/null 2>&1; then
  useradd -m player && made_player=1
fi
snapshot() { find /usr/lib/blivoturnix -printf '%p %s %T@ %m\n' | sort; }
snapshot >/tmp/blivoturnix-before.$$
player_tmp=$(runuser -u player -- mktemp -d)
# To the first painted board, in debug mode: the log must go to the temporary folder.
"$here/tests/desktop/x_session.sh" -- runuser -u player -- env TMPDIR="$player_tmp" SDL_AUDIODRIVER=dummy \
  QT_QPA_PLATFORM=xcb BLIVO_EXIT_AFTER_FIRST_PAINT=1 timeout 60 "$program" -debug
rc=$?
[ $rc -eq 0 ] && echo "the game painted its board and ended" || fail "the game ended with $rc"
[ -s "$player_tmp/HHDebug.txt" ] && grep -E "_ModuleDir|EXE Version" "$player_tmp/HHDebug.txt" ||
  fail "no debug log in the player's temporary folder"
# As it is played: the menu's command in the player's login shell (whose PATH
# has /usr/games), the window up for a few seconds, then the exit button and
# "yes" to the end-game question; the game ends and keeps its settings in the
# player's home. The language is chosen already, so no dialog stands in the way.
runuser -u player -- mkdir -p ~player/.config/BlivoGames/BlivoTurnix
printf '[common]\ntongue=0\nmusic=0\n' | runuser -u player -- tee ~player/.config/BlivoGames/BlivoTurnix/V1.ini >/dev/null
exec_line=$(sed -n 's/^Exec=//p' "$entry")
SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb EXEC_LINE=$exec_line "$here/tests/desktop/x_session.sh" --wm -- bash -c '
  runuser -l player -w DISPLAY,SDL_AUDIODRIVER,QT_QPA_PLATFORM -c "$EXEC_LINE" &
  game=$!
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^Blivo Turnix V1.6$" 2>/dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "no window"; kill $game; exit 1; }
  xwininfo -id "$window" | grep -E "Width|Height"
  sleep 4  # past the splash
  kill -0 $game || { echo "the game ended by itself"; exit 1; }
  xdotool mousemove --window "$window" 160 16 click 1  # the exit button
  sleep 0.5
  xdotool key Return
  for _ in $(seq 50); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
  if kill -0 $game 2>/dev/null; then echo "the game did not end on yes"; kill $game; exit 1; fi
  wait $game' || fail "the game did not run and end as a player's window"
echo "the player's settings:"
cat ~player/.config/BlivoGames/BlivoTurnix/V1.ini || fail "no settings in the player's home"
grep -q '^mode=' ~player/.config/BlivoGames/BlivoTurnix/V1.ini || fail "the game did not write its settings on exit"
snapshot >/tmp/blivoturnix-after.$$
if diff /tmp/blivoturnix-before.$$ /tmp/blivoturnix-after.$$; then
  echo "nothing written into /usr/lib/blivoturnix"
else
  fail "the game wrote into /usr/lib/blivoturnix"
fi
rm -rf "$player_tmp"

step "apt-get remove blivoturnix"
DEBIAN_FRONTEND=noninteractive apt-get remove -y --purge blivoturnix || fail "apt could not remove it"
dpkg-query -W -f='${Status}\n' blivoturnix 2>/dev/null | grep -q "install ok installed" && fail "still installed"
left=()
while read -r f; do
  # Folders the package shared with others (/usr/share/icons/...) stay; its own files must not.
  [ -e "$f" ] && [ ! -d "$f" ] && left+=("$f")
done </tmp/blivoturnix-files.$$
[ -e /usr/lib/blivoturnix ] && left+=(/usr/lib/blivoturnix)
[ -e /usr/share/doc/blivoturnix ] && left+=(/usr/share/doc/blivoturnix)
if [ ${#left[@]} -eq 0 ]; then echo "nothing of the package is left"; else fail "left behind: ${left[*]}"; fi
rm -f /tmp/blivoturnix-files.$$ /tmp/blivoturnix-before.$$ /tmp/blivoturnix-after.$$
[ $made_player -eq 1 ] && userdel -r player 2>/dev/null

echo
[ $status -eq 0 ] && echo "try_deb: all steps passed" || echo "try_deb: some steps FAILED"
exit $status
