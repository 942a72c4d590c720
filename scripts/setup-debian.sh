#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
pkgs=(g++ cmake ninja-build pkg-config googletest libgtest-dev libbenchmark-dev
      libgtkmm-3.0-dev libx11-dev xvfb xauth xdotool imagemagick xclip faketime
      fonts-freefont-ttf fonts-dejavu-core
      clang libclang-rt-14-dev libical-dev desktop-file-utils appstream python3
      dbus-daemon at-spi2-core python3-pyatspi poppler-utils khal libdbus-1-dev dunst
      libcurl4-openssl-dev libxml2-dev libsecret-1-dev radicale xandikos gnome-keyring)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
