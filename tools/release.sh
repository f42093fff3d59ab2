#!/usr/bin/env bash
# Sets up a Debian 12 machine if needed, builds the shipped exe twice in two
# fresh build trees, stops unless both exes are the same bytes, and packs the
# release ZIP (exe, read-me, licence) into build/release. Prints the SHA-256
# of the exe and of the ZIP.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/setup.sh

out=build/release
rm -rf "$out"
for tree in a b; do
  cmake --preset i686 -B "$out/$tree" -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$out/$tree" >/dev/null
done
if ! cmp "$out/a/app/Qelmora.exe" "$out/b/app/Qelmora.exe"; then
  echo "two clean builds gave different exes" >&2
  exit 1
fi
echo "reproducible: two clean builds gave the same exe"

(cd "$out/a" && cpack >/dev/null)
mv "$out"/a/Qelmora-*.zip "$out/"
(cd "$out/a/app" && sha256sum Qelmora.exe)
(cd "$out" && sha256sum Qelmora-*.zip)
