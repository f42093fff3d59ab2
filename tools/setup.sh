#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, once; later runs skip
# what is there. Sourced by run.sh and test.sh after wine-env.sh has chosen
# the Wine architecture (WINE_BUILD).
set -euo pipefail

packages=(cmake ninja-build python3 binutils
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  doctest-dev xvfb xdotool x11-apps x11-utils imagemagick fonts-wqy-microhei wine)
if [[ "${WINE_BUILD:?}" == i686 ]]; then
  packages+=(wine32:i386)
else
  packages+=(wine64)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [[ $(id -u) -eq 0 ]] || SUDO=sudo
  if [[ "${WINE_BUILD}" == i686 ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
