#!/usr/bin/env bash
# Brings i18n/vexmora_en.ts up to the texts of the windows: new texts arrive unfinished (to be
# given their English), texts no longer in the code are dropped. Run from anywhere.
#   tools/update-translations.sh [TS_FILE]   (default: i18n/vexmora_en.ts)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
ts="${1:-$root/i18n/vexmora_en.ts}"
lupdate="$(command -v lupdate || true)"
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
cd "$root"
# Every include folder, so that lupdate finds the classes whose tr() it reads.
includes=()
while IFS= read -r folder; do includes+=(-I "$folder"); done < <(find app data battle rules scenario net report gui editor ui \
  -type d -name include -not -path '*/build/*' | sort)
"$lupdate" -silent "${includes[@]}" -no-obsolete -locations none -source-language ja -target-language en \
  -extensions cpp,h app data battle rules scenario net report gui editor ui -ts "$ts"
