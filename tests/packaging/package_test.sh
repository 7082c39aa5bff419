#!/usr/bin/env bash
# The .deb of this build (CPack), unpacked with dpkg-deb into a fresh root, played from there.
#   package_test.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/installed_game.sh"

cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
  fail "cpack: $(tail -20 "$work/cpack.log")"
deb=$(ls "$work"/package/vexmora_"$version"_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no package vexmora_${version}_*.deb: $(ls "$work/package")"

# Its dependencies come from the libraries the programs link, and what the game reads unlinked.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6network6 libsdl2-mixer libcurl4 libqt6webenginewidgets6 fonts-ipafont-gothic timgm6mb-soundfont; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section $(dpkg-deb -f "$deb" Section)"

dpkg-deb -x "$deb" "$work/root"
for file in usr/bin/vexmora usr/bin/vexmora-cli usr/lib/vexmora/libpelkit.so usr/lib/vexmora/vexmora-pages \
  usr/share/vexmora/Data/もげげ.tvx usr/share/man/man6/vexmora.6; do
  [ -e "$work/root/$file" ] || fail "the package has no /$file"
done
become_player
check_player_folder "$work/root/usr/bin" "$version"
echo "package test: passed"
