#!/usr/bin/env bash
# Measures the time from starting the game to its first painted title window, over several
# runs, and prints the median; then the game's memory (resident set) at the painted title.
# Runs under Xvfb when there is no display.
#   tools/measure-startup.sh [GAME_FOLDER] [RUNS]     (default build/release/game, 15 runs)
#   tools/measure-startup.sh PREFIX [RUNS]            an installed game (PREFIX/bin/vexmora, e.g.
#                                                     from `cmake --install build/release --prefix
#                                                     PREFIX`), played by a fresh player whose folder
#                                                     is filled on the first start, timed apart
set -euo pipefail
game=${1:-build/release/game}
runs=${2:-15}
if [ -x "$game/bin/vexmora" ]; then
  program=$game/bin/vexmora
elif [ -x "$game/vexmora" ]; then
  program=$game/vexmora
else
  echo "measure-startup: no $game/vexmora or $game/bin/vexmora; build it first (make build-release)" >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$game" "$runs"
fi

# An installed game plays from the player's folder: a fresh one, removed afterwards.
player_home=""
if [ "$program" = "$game/bin/vexmora" ]; then
  player_home=$(mktemp -d)
  trap 'rm -rf "$player_home"' EXIT
  export XDG_DATA_HOME=$player_home
  unset VEXMORA_HOME
fi

# Milliseconds from the start to the painted title.
start_once() {
  local start line shown
  start=$(date +%s%N)
  # The game prints the wall clock once the title is painted, then quits.
  line=$(VEXMORA_STARTUP_PROBE=1 "$program" 2>/dev/null | grep '^vexmora-startup-probe ')
  read -r _ shown _ <<<"$line"
  echo $(((shown - start) / 1000000))
}

if [ -n "$player_home" ]; then
  first=$(start_once)
  echo "first start of an installed game (the player's folder filled from $game/share/vexmora): ${first} ms"
fi

times=()
for _ in $(seq "$runs"); do times+=("$(start_once)"); done

mapfile -t sorted < <(printf '%s\n' "${times[@]}" | sort -n)
median=${sorted[$((runs / 2))]}
echo "startup to the painted title, $runs runs: median ${median} ms (fastest ${sorted[0]}, slowest ${sorted[-1]}); target under 500 ms"

# The memory at the title: the game stays after painting it, is measured and ended.
out=$(mktemp)
VEXMORA_STARTUP_PROBE=stay "$program" >"$out" 2>/dev/null &
pid=$!
for _ in $(seq 300); do
  grep -q '^vexmora-startup-probe ' "$out" && break
  sleep 0.1
done
rss=$(awk '/^VmRSS:/ { print int($2 / 1024) }' "/proc/$pid/status")
kill -TERM "$pid"
wait "$pid" || true
rm -f "$out"
echo "memory at the painted title: ${rss} MB resident; target under 60 MB"
