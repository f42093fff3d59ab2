#!/usr/bin/env bash
# Sets up a Debian 12 machine if needed, builds, and opens the program under
# Wine. With a display (DISPLAY set) it opens there; without one it runs in a
# headless X server, saves a screenshot to build/screenshot.png after a few
# seconds and closes the program.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/setup.sh

cmake --preset i686 -DBUILD_TESTING=OFF >/dev/null
cmake --build --preset i686
if [[ "$WINE_BUILD" != i686 ]]; then
  echo "note: this kernel runs no 32-bit code, so Wine runs the $WINE_BUILD build of the same sources"
  cmake --preset "$WINE_BUILD" -DBUILD_TESTING=OFF >/dev/null
  cmake --build --preset "$WINE_BUILD" --target Qelmora
fi
exe="build/$WINE_BUILD/app/Qelmora.exe"

if [[ -n "${DISPLAY:-}" ]]; then
  wine_prefix_init
  exec "$WINELOADER" "$exe"
fi

trap session_stop EXIT
session_start
"$WINELOADER" "$exe" &
program=$!
sleep "${SCREENSHOT_DELAY:-5}"
xwd -root -silent | convert xwd:- -crop "${SCREEN_SIZE}+0+0" build/screenshot.png
echo "screenshot: build/screenshot.png"
xdotool key Escape
wait "$program"
echo "exit code: $?"
