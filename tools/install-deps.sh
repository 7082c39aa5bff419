#!/usr/bin/env bash
# Installs every distribution package the build, the game and the tests need.
# Idempotent: only what is missing is installed, and nothing at all when all is present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-image-formats-plugins qt6-qpa-plugins
  qt6-webengine-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgl-dev
  fonts-ipafont-gothic
  libsdl2-mixer-dev timgm6mb-soundfont
  libcurl4-openssl-dev nlohmann-json3-dev libcli11-dev
  python3 python3-pyftpdlib python3-openssl
  clang libclang-rt-14-dev
  xvfb xauth imagemagick
  libgtest-dev libgmock-dev libbenchmark-dev libsimde-dev
  desktop-file-utils appstream dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
