#!/usr/bin/env bash
# ctest's emulator: runs a Windows test program under the Wine that
# tools/wine-env.sh chose.
exec "${WINELOADER:?run the tests through tools/test.sh}" "$@"
