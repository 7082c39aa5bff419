# Shared by the install and package tests: checks on a game installed below a root folder, run
# as a player whose home is a fresh folder. Sourced; expects `work` (a scratch folder) to be set.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A player of their own: a home folder and no VEXMORA_HOME, no display.
become_player() {
  export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share
  unset VEXMORA_HOME
  mkdir -p "$HOME"
  export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
  player=$XDG_DATA_HOME/vexmora
}

# Starts the game at its title; prints the folder it plays from.
game_folder_at_title() {
  local bin=$1 out
  out=$(VEXMORA_STARTUP_PROBE=1 timeout 60 "$bin/vexmora" 2>"$work/game-err.txt") ||
    fail "the game did not reach its title: $(cat "$work/game-err.txt")"
  grep -q '^vexmora-startup-probe ' <<<"$out" || fail "no title: $out $(cat "$work/game-err.txt")"
  sed -n 's/^vexmora-startup-probe [0-9]* //p' <<<"$out"
}

# The installed programs play from the player's folder, filled from the content, and keep a
# changed monster across starts.
check_player_folder() {
  local bin=$1 version=$2
  [ "$("$bin/vexmora" --version)" = "vexmora $version" ] || fail "vexmora --version: $("$bin/vexmora" --version)"
  [ "$("$bin/vexmora-cli" --version)" = "vexmora-cli $version" ] || fail "vexmora-cli --version"
  "$bin/vexmora" --help | grep -q -- '--version' || fail "vexmora --help names no --version"

  # First start: the command-line tool fills the player's folder and reads a sample monster there.
  "$bin/vexmora-cli" inspect Data/もげげ.tvx >"$work/inspect.json" || fail "vexmora-cli inspect on the player's folder"
  grep -q '"name": *"もげげ"' "$work/inspect.json" || fail "inspect printed $(head -c 300 "$work/inspect.json")"
  for file in Data/ヒノコドラ.tvx System/system.001 Image/title.png Image/Background/stagelist.txt 説明書.html; do
    [ -f "$player/$file" ] || fail "the player's folder has no $file"
  done

  # The game at its title plays from the same folder.
  local shown
  shown=$(game_folder_at_title "$bin")
  [ "$shown" = "$player" ] || fail "the game plays from '$shown', not $player"

  # The player changes a monster; both programs find the change on the next starts.
  "$bin/vexmora-cli" rename Data/もげげ.tvx たま >/dev/null || fail "vexmora-cli rename"
  shown=$(game_folder_at_title "$bin")
  [ "$shown" = "$player" ] || fail "the second start plays from '$shown'"
  [ ! -e "$player/Data/もげげ.tvx" ] || fail "the renamed sample monster came back"
  "$bin/vexmora-cli" inspect Data/たま.tvx | grep -q '"name": *"たま"' || fail "the renamed monster is gone"
}
