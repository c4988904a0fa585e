#!/usr/bin/env bash
# Installs, from Debian's packages, what the build, the tests and the main job need.
# Quiet and fast when everything is already there.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  libboost-dev libboost-filesystem-dev libboost-regex-dev libboost-system-dev
  nlohmann-json3-dev libsimdjson-dev libproj-dev proj-data libssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
