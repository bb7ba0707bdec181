#!/usr/bin/env bash
# Installs whatever the build, the tests and the game need on Debian 12 (as root), or only the
# packages named on the command line (a gate's own needs). Quick when everything is there already.
set -euo pipefail

packages=("$@")
((${#packages[@]})) || packages=(
  g++ cmake ninja-build pkgconf
  qt6-base-dev qt6-base-dev-tools
  fonts-ipafont fonts-ipaexfont fonts-liberation2
  # Qt's own Japanese texts (qtbase_ja.qm): the standard buttons of the game's dialogs.
  qt6-translations-l10n
  xvfb xauth
  libbenchmark-dev hyperfine time jq valgrind
  # The gates in tools/test: the fuzz build (clang with its sanitizer and fuzzer runtimes),
  # clang-tidy, the desktop-entry and metainfo validators, and the Debian package (dpkg-shlibdeps
  # from dpkg-dev; CPack calls file and strip).
  clang libclang-rt-14-dev clang-tidy
  appstream desktop-file-utils
  dpkg-dev file binutils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
