#!/usr/bin/env bash
# Sets up a Debian 12 machine if needed, builds, and runs every test under
# Wine in a headless X server. Usage: tools/test.sh [ctest arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/setup.sh

# The shipped 32-bit exe is always built; the tests run in the build Wine can run here.
testing_i686=OFF
[[ "$WINE_BUILD" == i686 ]] && testing_i686=ON
cmake --preset i686 -DBUILD_TESTING=$testing_i686 >/dev/null
cmake --build --preset i686
if [[ "$WINE_BUILD" != i686 ]]; then
  echo "note: this kernel runs no 32-bit code, so the tests run the $WINE_BUILD build of the same sources"
  cmake --preset "$WINE_BUILD" -DBUILD_TESTING=ON >/dev/null
  cmake --build --preset "$WINE_BUILD"
fi

trap session_stop EXIT
session_start
ctest --preset "$WINE_BUILD" "$@"
