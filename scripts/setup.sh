#!/usr/bin/env bash
# Installs the Debian packages Tessaly needs to build, test and run, when any is missing.
set -euo pipefail
PKGS=(
  g++ cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-l10n-tools qt6-translations-l10n libgl-dev
  libtinyxml-dev libboost-dev libarchive-dev libfontconfig-dev
  libgtest-dev libgmock-dev
  7zip xdg-utils locales
  xvfb xauth fonts-noto-cjk fonts-dejavu-core python3-fonttools fontconfig
  python3 xdotool
)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
