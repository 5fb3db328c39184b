#!/usr/bin/env bash
# Installs what building and testing Tallybee needs on Debian 12, skipping what is there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite
  qt6-charts-dev qt6-svg-dev libqt6svg6 libqt6opengl6-dev
  qt6-translations-l10n qt6-qpa-plugins
  libgl-dev libxkbcommon-dev
  sqlite3 libsqlite3-dev
  fonts-wqy-microhei
  libquazip1-qt6-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
