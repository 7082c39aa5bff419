#!/usr/bin/env bash
# The benchmarks compare some operations with other libraries doing the same work.
# Those peers are not needed to build, run or test the game; `make bench` installs them.
set -euo pipefail
packages=(libopencv-dev libpixman-1-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ "${#missing[@]}" -eq 0 ] && exit 0
sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
