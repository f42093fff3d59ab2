#!/usr/bin/env bash
# Sets up a Debian 12 machine if needed, builds the shipped exe and the build
# Wine runs here (with the bench), and runs the bench under Wine in a headless
# X server. Prints one Markdown table. Usage: bench/run.sh [--quick] [driver options]
# The exit code is non-zero only when the bench itself failed, never for a missed goal.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/setup.sh

if [[ "$WINE_BUILD" == i686 ]]; then
  cmake --preset i686 -DBUILD_TESTING=ON >/dev/null
  cmake --build --preset i686 --target Qelmora bench_driver
else
  echo "note: this kernel runs no 32-bit code, so the bench runs the $WINE_BUILD build of the same sources"
  cmake --preset i686 -DBUILD_TESTING=OFF >/dev/null
  cmake --build --preset i686
  cmake --preset "$WINE_BUILD" -DBUILD_TESTING=ON >/dev/null
  cmake --build --preset "$WINE_BUILD" --target Qelmora bench_driver
fi

# A prefix of the bench's own: stopping a session ends every program in its
# prefix, so a test run and a bench run at the same time leave each other alone.
export WINEPREFIX="$ROOT/build/$WINE_BUILD/bench-wineprefix"

# Wine sees the Linux root as drive Z:.
windows_path() { local path; path=$(realpath "$1"); printf 'Z:%s' "${path//\//\\}"; }

trap session_stop EXIT
session_start
echo "$(date '+%Y-%m-%d %H:%M %Z'); $(nproc) cores; $(lscpu | sed -n 's/^Model name: *//p'); $("$WINELOADER" --version)"
"$WINELOADER" "build/$WINE_BUILD/bench/bench_driver.exe" \
  --ours "$(windows_path "build/$WINE_BUILD/app/Qelmora.exe")" \
  --baseline "$(windows_path "build/$WINE_BUILD/bench/bench_baseline.exe")" \
  --shipped "$(windows_path build/i686/app/Qelmora.exe)" "$@"
echo "bench took $SECONDS s"
