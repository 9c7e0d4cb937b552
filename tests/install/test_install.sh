#!/usr/bin/env bash
# The installed tree, in a prefix of its own: every file in its place, the
# desktop entry and the metainfo accepted by their validators and naming
# what is installed, icons of their stated sizes, the manual page rendered
# without a warning, and the installed game's command line.
#
#   test_install.sh <build-folder>
set -u
build=$(realpath "${1:?build folder}")
source_folder=$(realpath "$(dirname "$0")/../..")
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
id=fr.dravonelle.Dravonelle
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: install"; exit 1; }
cd "$prefix" || exit 1

for f in games/dravonelle games/dravonelle-script share/dravonelle/pub0.htm share/dravonelle/logovel200.htm \
         share/dravonelle/Clic.wav share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/man/man6/dravonelle.6 share/icons/hicolor/scalable/apps/$id.svg; do
    [ -s "$f" ] || fail "no $f"
done
[ -x games/dravonelle ] || fail "the game is not executable"
[ "$(find share/dravonelle/pictures -name '*.png' | wc -l)" -eq "$(find "$build/pictures" -name '*.png' | wc -l)" ] ||
    fail "not every picture is installed"
[ "$(find share/dravonelle -maxdepth 1 -name '*.wav' | wc -l)" -ge 20 ] || fail "the sound effects are not installed"

# The icons: each PNG of its folder's size, the SVG a document of its own.
for size in 48 64 128 256; do
    png=share/icons/hicolor/${size}x$size/apps/$id.png
    [ "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${size}x$size" ] || fail "$png is not ${size}x$size"
    [ "$(convert "$png" -alpha extract -format '%[fx:mean > 0.15 && mean < 0.85]' info: 2>/dev/null)" = 1 ] ||
        fail "$png is not a picture on a transparent ground"
done
python3 -c 'import sys, xml.etree.ElementTree as t; r = t.parse(sys.argv[1]).getroot()
sys.exit(not (r.tag.endswith("svg") and r.get("viewBox") and len(list(r.iter())) > 10))' \
    share/icons/hicolor/scalable/apps/$id.svg || fail "the SVG icon is not a drawing"

said=$(desktop-file-validate share/applications/$id.desktop 2>&1) && [ -z "$said" ] || fail "desktop-file-validate: $said"
said=$(appstreamcli validate --no-net share/metainfo/$id.metainfo.xml 2>&1) || fail "appstreamcli validate: $said"
# What they name is what is installed.
grep -qx "Exec=dravonelle" share/applications/$id.desktop && grep -qx "Icon=$id" share/applications/$id.desktop ||
    fail "the desktop entry does not start the installed game with its icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" share/metainfo/$id.metainfo.xml ||
    fail "the metainfo does not name the desktop entry"
version=$(sed -n 's/^project(Dravonelle VERSION \([0-9.]*\).*/\1/p' "$source_folder/CMakeLists.txt")
grep -q "<release version=\"$version\"" share/metainfo/$id.metainfo.xml || fail "the metainfo's release is not $version"

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l --warnings=w share/man/man6/dravonelle.6 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page: $warnings"
man -l share/man/man6/dravonelle.6 2>/dev/null | grep -q "Dravonelle $version" || fail "the manual page's version"

# The command line, from another folder with no display.
cd "$(mktemp -d -p "$prefix")" || exit 1
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/games/dravonelle" "$@" >out 2>err; echo $?; }
[ "$(run --help)" = 0 ] && grep -q -- '--version' out && [ ! -s err ] || fail "--help"
[ "$(run --version)" = 0 ] && [ "$(cat out)" = "Dravonelle $version" ] || fail "--version: $(cat out err)"
[ "$(run --jouer)" = 2 ] && grep -q -- '--jouer' err && grep -q '^Usage' err || fail "an unknown option: $(cat err)"
[ "$(run)" = 1 ] && [ "$(wc -l <err)" = 1 ] && grep -q 'DISPLAY' err || fail "no display: $(cat err)"
[ -z "$(ls -A | grep -vx 'out\|err')" ] || fail "the game left files in its working folder"

[ "$failed" = 0 ] && echo "1 passed, 0 failed" || { echo "0 passed, 1 failed"; exit 1; }
