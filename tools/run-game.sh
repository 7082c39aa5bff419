#!/usr/bin/env bash
# Starts the game from a build's program folder; a build without the desktop program shows
# the command-line tool instead: its help and the technique catalogue.
set -euo pipefail
game=$1
if [ -x "$game/vexmora" ]; then
  exec "$game/vexmora"
fi
"$game/vexmora-cli" --help
"$game/vexmora-cli" catalogue | head -c 2000
echo
echo "(the catalogue continues: $game/vexmora-cli catalogue)"
