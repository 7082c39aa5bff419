#!/usr/bin/env bash
# Starts the game from a build's program folder. Without a display (none named in DISPLAY or
# WAYLAND_DISPLAY, no platform chosen in QT_QPA_PLATFORM), and in a build without the desktop
# program, it shows the command-line tool instead: its help and the technique catalogue.
set -euo pipefail
game=$1
if [ -x "$game/vexmora" ]; then
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    exec "$game/vexmora"
  fi
  echo "make run: there is no display to show the game on (DISPLAY is not set)."
  echo "  On a desktop, run it there; over ssh, 'ssh -X' or 'xvfb-run make run' start it anyway."
  echo "  The game without its windows is the command-line tool:"
  echo
fi
"$game/vexmora-cli" --help
"$game/vexmora-cli" catalogue | head -c 2000
echo
echo "(the catalogue continues: $game/vexmora-cli catalogue)"
