#!/usr/bin/env bash
# Renders every picture the docs use (docs/images) from the default content, through the game's
# real windows on a virtual display: a fresh program folder made by the content generator, then
# vexmora_screenshots, which sits beside the game's own programs so that it takes the pixel
# library and the page program from there, as the game does.
#   tools/make-screenshots.sh [BUILD_FOLDER [OUT_FOLDER]]   (default build/release, docs/images)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/release}" && pwd)
out=${2:-$root/docs/images}
mkdir -p "$out"
out=$(cd "$out" && pwd)

# The program folder the dialogs show: always the same, so no picture shows a random name.
home=/tmp/vexmora
marker=.vexmora-screenshots
exec 9>/tmp/vexmora-screenshots.lock
flock 9
if [ -e "$home" ] && [ ! -e "$home/$marker" ]; then
  echo "make-screenshots: $home exists and is not ours; move it away first" >&2
  exit 1
fi
rm -rf "$home"
mkdir -p "$home"
touch "$home/$marker"
QT_QPA_PLATFORM=offscreen "$build/tools/vexmora_assets_gen" "$home" >/dev/null

shots=$(mktemp -d)
trap 'rm -rf "$shots" "$home"' EXIT
display=()
if [ -z "${DISPLAY:-}" ]; then display=(xvfb-run -a -s "-screen 0 1600x1200x24"); fi
status=0
"${display[@]}" env -u VEXMORA_HOME QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
  "$build/game/vexmora_screenshots" "$shots" --home "$home" >/dev/null || status=$?
# The match-up picture of docs/cli.md, by the command that page shows.
(cd "$home" && "$build/game/vexmora-cli" frame Data/ヒノコドラ.tvx Data/カエンジシ.tvx --stage 1 --seed 7 \
   --out "$shots/matchup-frame.png") || status=$?
cp "$shots"/*.png "$out"/ 2>/dev/null || true

# Every picture a page uses must have been made now; a picture no page uses is stale.
cd "$root"
used=$(grep -rhoE 'images/[A-Za-z0-9._-]+\.png' README.md docs/*.md | sed 's|.*images/||' | sort -u)
for picture in $used; do
  [ -e "$shots/$picture" ] || { echo "make-screenshots: no scene makes $picture" >&2; status=1; }
done
for file in "$out"/*.png; do
  name=$(basename "$file")
  grep -qx "$name" <<<"$used" || echo "make-screenshots: no page uses $name" >&2
done
echo "make-screenshots: $(ls "$shots" | wc -l) pictures in $out"
exit $status
