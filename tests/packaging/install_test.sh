#!/usr/bin/env bash
# `cmake --install` of this build into a fresh prefix, its content made read-only, played by a
# player whose home is a fresh folder.
#   install_test.sh BUILD_FOLDER VERSION APP_ID
set -euo pipefail
build=$1 version=$2 app_id=$3
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
source "$(dirname "$0")/installed_game.sh"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install: $(tail -5 "$work/install.log")"

for file in bin/vexmora bin/vexmora-cli lib/vexmora/libpelkit.so lib/vexmora/vexmora-pages \
  share/vexmora/System/system.001 share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
  share/man/man6/vexmora.6 share/man/man6/vexmora-cli.6; do
  [ -e "$prefix/$file" ] || fail "the install has no $file"
done
for size in 16 24 32 48 64 128 256 512; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/vexmora.png
  [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "no ${size}x${size} icon"
done
# Nothing of the game lies anywhere else: no programs beside the content, no content in bin.
[ -z "$(ls "$prefix/bin" | grep -v '^vexmora\(-cli\)\?$')" ] || fail "bin holds more: $(ls "$prefix/bin")"

desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >"$work/appstream.txt" ||
  fail "appstreamcli validate: $(cat "$work/appstream.txt")"
for page in vexmora vexmora-cli; do
  warnings=$(LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z "$prefix/share/man/man6/$page.6" 2>&1)
  [ -z "$warnings" ] || fail "man page $page: $warnings"
done

# The content can be read, never written; the player plays from a folder of their own.
chmod -R a-w "$prefix/share/vexmora"
touch "$work/before"
become_player
check_player_folder "$prefix/bin" "$version"
[ -z "$(find "$prefix/share/vexmora" -newer "$work/before")" ] || fail "the installed content was written"
echo "install test: passed"
