#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the run command need.
# Packages already present are skipped; apt runs through sudo when not root.
set -euo pipefail
packages=(
  build-essential cmake pkg-config git
  clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl1-mesa-dev libxcb1-dev libxcb-randr0-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcpp-httplib-dev libsqlite3-dev libmicrohttpd-dev libpq-dev wrk
  postgresql postgresql-contrib nginx-light
  qt6-translations-l10n fonts-dejavu-core fonts-comic-neue xvfb xauth x11-utils
  espeak-ng
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
