#!/usr/bin/env bash
# Installs whatever the build, the tests and the game need on Debian 12 (as root). Quick when
# everything is there already. What the game is built and run with is debian/control's alone (its
# Build-Depends, and the fonts and translations the package depends on); this list adds only what
# the tests, the gates and the tools need besides. With package names, it installs only those that
# are missing (a gate's own needs).
set -euo pipefail
cd "$(dirname "$0")/.."

# The package names a field of one debian/control paragraph lists: the first of alternatives,
# without versions, architectures or substitution variables.
control_names() {  # control_names 'Package: lumora' Depends
  awk -v paragraph="$1" -v field="$2" '
    /^$/ { inside = 0 }
    $0 == paragraph { inside = 1 }
    inside && /^[^ \t]/ { wanted = index($0, field ":") == 1; sub(/^[^:]*:/, "") }
    inside && wanted { print }' debian/control |
    tr ',' '\n' | sed -E 's/[|([<].*//; s/[[:space:]]//g' | grep -v -e '^$' -e '^\$'
}
mapfile -t runtime < <(control_names 'Package: lumora' Depends)

named=$#
packages=("$@")
((named)) || packages=(
  "${runtime[@]}"
  # Debian's builds take it for granted; apt-get build-dep brings it.
  build-essential
  xvfb xauth
  libbenchmark-dev hyperfine time jq valgrind
  # The gates in tools/test: the fuzz build (clang with its sanitizer and fuzzer runtimes),
  # clang-tidy, the desktop-entry and metainfo validators, and the Debian package (built from a
  # copy of the checkout that git lists, then checked with lintian).
  clang libclang-rt-14-dev clang-tidy
  appstream desktop-file-utils
  git lintian
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# dpkg-checkbuilddeps weighs versions and virtual packages (debhelper-compat); it comes with
# build-essential, so without it the build dependencies are missing too.
build_deps_met() { command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps >/dev/null 2>&1; }

if ((${#missing[@]})) || { ((!named)) && ! build_deps_met; }; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  if ((!named)); then
    echo "Installing the build dependencies of debian/control"
    apt-get build-dep -y -qq --no-install-recommends ./
  fi
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
fi
