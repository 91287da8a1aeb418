#!/usr/bin/env bash
# Installs the build into a DESTDIR under a prefix of its own, as a packager
# does, and checks what lands there: exactly the files of the layout, the link
# to the program relative, the desktop entry, metainfo and icons valid and agreeing,
# and the installed game started through the link from another folder on a
# private X server. It must find its pictures, write nothing into its program
# folder when the player cannot write there (its debug log then goes to the
# temporary folder), and keep its log beside itself when the folder is writable.
# Usage: install_test.sh BUILD_DIR APP_ID BIN_DIR X_SESSION   (BIN_DIR: where the link lies, bin)
set -u
build=$1 id=$2 bindir=$3 x_session=$4
work=$(mktemp -d)
chmod 755 "$work"  # the player the game is started as must reach the install
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
status=0
fail() { echo "FAILED: $*" >&2; status=1; }

prefix=/opt/blivo-turnix
top=$work/root$prefix
program_folder=$top/lib/blivoturnix
if ! DESTDIR=$work/root cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log" >&2
  echo "FAILED: cmake --install" >&2
  exit 1
fi

# --- The layout: these files and links, nothing more.
{
  echo "$bindir/blivoturnix"
  for f in b1.bmp b2.bmp b3.bmp b4.bmp blivoturnix blivoturnix-help tnix.chm; do echo "lib/blivoturnix/$f"; done
  for tune in "$build"/game/*.mid; do echo "lib/blivoturnix/$(basename "$tune")"; done
  echo "share/applications/$id.desktop"
  echo "share/metainfo/$id.metainfo.xml"
  for size in 16 22 24 32 48 64 128 256; do echo "share/icons/hicolor/${size}x${size}/apps/$id.png"; done
  echo "share/icons/hicolor/scalable/apps/$id.svg"
  echo share/man/man6/blivoturnix.6.gz
  echo share/doc/blivoturnix/copyright
  echo share/doc/blivoturnix/changelog.gz
} | sort >"$work/expected"
(cd "$top" && find . -not -type d | sed 's|^\./||' | sort) >"$work/actual"
diff -u "$work/expected" "$work/actual" >"$work/layout.diff" ||
  fail "the installed files differ from the layout (- missing, + unexpected): $(cat "$work/layout.diff")"
ls "$build"/game/*.mid >/dev/null 2>&1 || fail "the build made no tunes"

link=$(readlink "$top/$bindir/blivoturnix")
[ -L "$top/$bindir/blivoturnix" ] && [ "${link#/}" = "$link" ] ||
  fail "$bindir/blivoturnix is not a relative link (it is '$link')"
[ "$(readlink -f "$top/$bindir/blivoturnix")" = "$(readlink -f "$program_folder/blivoturnix")" ] ||
  fail "$bindir/blivoturnix does not lead to the program"
for p in blivoturnix blivoturnix-help; do [ -x "$program_folder/$p" ] || fail "$p is not executable"; done
while read -r f; do
  case "$f" in
    "$bindir"/*|lib/blivoturnix/blivoturnix|lib/blivoturnix/blivoturnix-help) ;;
    *) [ -x "$top/$f" ] && fail "$f is executable" ;;
  esac
done <"$work/actual"

for size in 16 22 24 32 48 64 128 256; do
  icon=$top/share/icons/hicolor/${size}x${size}/apps/$id.png
  file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "the $size px icon is $(file -b "$icon")"
done
grep -q '<svg' "$top/share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is no SVG"

# --- The desktop's files: valid, and naming what is installed.
desktop=$top/share/applications/$id.desktop
metainfo=$top/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 || fail "desktop-file-validate: $(cat "$work/desktop.log")"
[ -s "$work/desktop.log" ] && fail "desktop-file-validate warns: $(cat "$work/desktop.log")"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -qx "Exec=blivoturnix" "$desktop" || fail "the desktop entry does not start $bindir/blivoturnix"
grep -qx "Categories=Game;LogicGame;" "$desktop" || fail "the desktop entry's categories"
for key in Name GenericName Comment Keywords; do
  grep -q "^$key=" "$desktop" && grep -q "^$key\[de\]=" "$desktop" || fail "the desktop entry lacks $key in English or German"
done
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || fail "appstreamcli validate: $(cat "$work/appstream.log")"
grep -E '^(E|W):' "$work/appstream.log" && fail "appstreamcli validate reports errors or warnings"
# The whole tree as a software centre reads it: the metainfo with the desktop entry it launches.
appstreamcli validate-tree --no-net "$top" >"$work/tree.log" 2>&1 || fail "appstreamcli validate-tree: $(cat "$work/tree.log")"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the metainfo does not launch $id.desktop"
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
[ "$(grep -c '<screenshot' "$metainfo")" -ge 2 ] || fail "the metainfo shows no screenshots"
for shot in $(grep -o 'screenshots/[^/]*/[a-z]*\.png' "$metainfo" | xargs -n1 basename); do
  [ -f "$build/desktop/screenshots/$shot" ] || fail "the build made no screenshot $shot"
  file -b "$build/desktop/screenshots/$shot" | grep -q "^PNG image data, 500 x 366," ||
    fail "the screenshot $shot is $(file -b "$build/desktop/screenshots/$shot")"
done

# --- The manual page: compressed, and rendered without a warning.
gzip -t "$top/share/man/man6/blivoturnix.6.gz" || fail "the manual page is not gzip"
LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$top/share/man/man6/blivoturnix.6.gz" \
  >/dev/null 2>"$work/man.log"
[ -s "$work/man.log" ] && fail "the manual page: $(cat "$work/man.log")"
zcat "$top/share/man/man6/blivoturnix.6.gz" | grep -q "^\.I /.*/lib/blivoturnix/$" || fail "the manual page does not name the program folder"

# --- The installed game, started through the link from another folder.
# A player who cannot write into the program folder: as root, the user nobody.
as_player=()
if [ "$(id -u)" -eq 0 ]; then
  as_player=(runuser -u nobody --)
fi

# Starts the game once; $1 names the case. Leaves the folders it used in $work/<case>.
start_game() {
  local case=$1 home=$work/$1
  mkdir -p "$home/config/BlivoGames/BlivoTurnix" "$home/tmp" "$home/elsewhere"
  printf '[common]\ntongue=0\nmusic=0\n' >"$home/config/BlivoGames/BlivoTurnix/V1.ini"
  [ ${#as_player[@]} -gt 0 ] && chown -R nobody "$home"
  (cd "$home/elsewhere" && "$x_session" -- "${as_player[@]}" env XDG_CONFIG_HOME="$home/config" TMPDIR="$home/tmp" \
     SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb BLIVO_EXIT_AFTER_FIRST_PAINT=1 \
     timeout 60 "$top/$bindir/blivoturnix" -debug) >"$home/out" 2>&1
}

ls -A "$program_folder" >"$work/folder.before"

# The folder not writable by the player.
if [ ${#as_player[@]} -eq 0 ]; then chmod a-w "$program_folder"; fi
start_game locked
rc=$?
if [ ${#as_player[@]} -eq 0 ]; then chmod u+w "$program_folder"; fi
[ $rc -eq 0 ] || fail "the installed game did not paint its board and end (status $rc): $(cat "$work/locked/out")"
ls -A "$program_folder" >"$work/folder.after"
diff -u "$work/folder.before" "$work/folder.after" >/dev/null ||
  fail "the game wrote into its program folder: $(diff "$work/folder.before" "$work/folder.after")"
[ -s "$work/locked/tmp/HHDebug.txt" ] || fail "the debug log is not in the temporary folder: $(ls -A "$work/locked/tmp")"
grep -q "_ModuleDir = .*$program_folder" "$work/locked/tmp/HHDebug.txt" ||
  fail "the game did not run from its program folder: $(grep _ModuleDir "$work/locked/tmp/HHDebug.txt")"
[ -z "$(ls -A "$work/locked/elsewhere")" ] || fail "the game wrote into the folder it was started from"

# The folder writable by whoever starts the game: the log lies beside the program.
if [ ${#as_player[@]} -gt 0 ]; then chown nobody "$program_folder"; fi
start_game open
rc=$?
[ $rc -eq 0 ] || fail "the installed game in a writable folder ended with $rc: $(cat "$work/open/out")"
[ -s "$program_folder/HHDebug.txt" ] || fail "the debug log is not beside the program in a writable folder"
[ -e "$work/open/tmp/HHDebug.txt" ] && fail "the debug log went to the temporary folder though the program folder is writable"
[ -e "$program_folder/\$_Temp_\$.\$\$\$" ] && fail "the probe file was left in the program folder"

[ $status -eq 0 ] && echo "install: all checks passed"
exit $status
