#!/usr/bin/env bash
# Sets up a Debian 12 machine if needed, builds, and opens the program under
# Wine. With a display (DISPLAY set) it opens there; without one it runs in a
# headless X server, presses the first link, saves a screenshot of the window
# (to $SCREENSHOT, build/screenshot.png by default) and closes the program.
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
shot=${SCREENSHOT:-build/screenshot.png}
mkdir -p "$(dirname "$shot")"
desktop() { xwd -root -silent | convert xwd:- -crop "${SCREEN_SIZE}+0+0" +repage "$1"; }

# The window's place comes from the screen itself: the text box's green
# starts just inside its sunken edge, at (130, 10) in the client area. The
# first link's centre is at (68, 44).
for _ in $(seq 100); do
  sleep 0.2
  desktop build/desktop.png
  green=$(convert build/desktop.png -fill black +opaque '#00E080' -fill white -opaque '#00E080' -trim \
    -format '%X,%Y' info: 2>/dev/null | tr -d +)
  [[ "$green" =~ ^[0-9]+,[0-9]+$ ]] && break
done
[[ "$green" =~ ^[0-9]+,[0-9]+$ ]] || { echo "the program's window did not appear" >&2; exit 1; }
IFS=, read -r gx gy <<<"$green"
xdotool mousemove $((gx - 130 + 68)) $((gy - 10 + 44)) click 1 mousemove $((gx + 300)) $((gy + 200))
sleep 1
desktop build/desktop.png
# The window is 899 x 410 and centred.
IFS=x read -r sw sh <<<"$SCREEN_SIZE"
convert build/desktop.png -crop "899x410+$(((sw - 899) / 2))+$(((sh - 410) / 2))" +repage "$shot"
rm -f build/desktop.png
echo "screenshot: $shot"
xdotool key Escape
wait "$program"
echo "exit code: $?"
