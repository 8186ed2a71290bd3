#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Korvane need,
# skipping those already present.
set -euo pipefail

packages=(g++ cmake make pkg-config googletest libgtest-dev libbenchmark-dev zlib1g-dev
          qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-wqy-microhei fonts-dejavu-core
          dpkg-dev file desktop-file-utils appstream libxml2-utils shared-mime-info groff-base
          clang libclang-rt-14-dev llvm-14 "$@")
# clang, libclang-rt-14-dev and llvm-14 (llvm-symbolizer): the sanitizer build and
# the fuzz targets of tools/test.sh. zlib1g-dev: the golden master files of the
# calculations are gzip-compressed. qt6-translations-l10n: Qt's own buttons and menus in
# Chinese. fonts-dejavu-core: the Latin-only fonts of the test for a missing Chinese font.
# dpkg-dev, file: the package's library dependencies (dpkg-shlibdeps); desktop-file-utils,
# appstream, libxml2-utils, shared-mime-info, groff-base: tools/package-check.sh.

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
