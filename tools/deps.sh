#!/usr/bin/env bash
# Installs whatever the build, the tests and the game need on Debian 12. Quick when everything is
# there already. What the game is built and run with is debian/control's alone (its Build-Depends,
# and the packages the game depends on or recommends); this list adds only what the tests, the
# gates and the tools need besides.
#   tools/deps.sh            everything: the build, the game, the tests and every gate
#   tools/deps.sh --play     what building and playing need, no test tools
#   tools/deps.sh NAME...    only those packages, if missing (a gate's own needs)
# Only the install step needs root: run as another user, it asks for it through sudo, and only
# when something is missing. It waits for the package lock while another apt or dpkg runs.
set -euo pipefail
cd "$(dirname "$0")/.."

play=0
if [[ ${1:-} == --play ]]; then
  play=1
  shift
fi
named=$#
packages=("$@")
if ((play)); then
  # Debian's builds take build-essential for granted; apt-get build-dep brings it.
  packages+=(build-essential)
elif ((!named)); then
  packages=(
    build-essential
    libbenchmark-dev hyperfine time jq valgrind
    # The gates in tools/test: the fuzz build (clang with its sanitizer and fuzzer runtimes),
    # clang-tidy (run-clang-tidy comes with it) and clang-format, git (the files the checkout
    # holds) and the headless Wayland compositor the wayland gate runs the windows on. What the
    # test suite itself runs (Xvfb, the validators) is among debian/control's build dependencies;
    # the package and windows gates install their own tools.
    clang libclang-rt-14-dev clang-tidy clang-format
    git
    weston
  )
fi
# Playing builds without the tests, so the build dependencies the tests alone need stay out.
profiles=()
((play)) && profiles=(-P nocheck)
# Everything and --play also bring debian/control's build dependencies and what the game depends
# on or recommends; grep-dctrl reads the latter from it.
whole=$((play || !named))
((whole)) && packages+=(dctrl-tools)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

# What the game depends on or recommends, as one relation list (alternatives and versions as
# written), without the substitution variables that debhelper fills in.
runtime_relations() {
  grep-dctrl --no-field-names --show-field=Depends,Recommends --field=Package --exact-match lumora \
    debian/control | sed -E 's/\$\{[^}]*\}//g' | tr '\n' ',' | sed -E 's/[[:space:]]*(,[[:space:]]*)+/, /g; s/^, |, $//g'
}
# dpkg-checkbuilddeps weighs versions, alternatives, virtual packages (debhelper-compat) and build
# profiles; it comes with build-essential, so without it the build dependencies are missing too.
# Given a relation list, it checks that one instead of debian/control's.
build_deps_met() {
  command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps "${profiles[@]}" >/dev/null 2>&1
}
runtime_met() {
  command -v dpkg-checkbuilddeps >/dev/null && command -v grep-dctrl >/dev/null &&
    dpkg-checkbuilddeps -d "$(runtime_relations)" >/dev/null 2>&1
}
((${#missing[@]})) || { ((whole)) && ! { build_deps_met && runtime_met; }; } || exit 0

as_root() {
  if ((EUID == 0)); then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    echo "tools/deps.sh: installing packages needs root, and there is no sudo here: run it as root" >&2
    exit 1
  fi
}
# Every call waits up to ten minutes for the package lock while another apt or dpkg runs.
apt_get() { as_root env LC_ALL=C DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 "$@"; }

# apt-get update takes no lock timeout (it fails at once while another apt updates the package
# lists), so it is tried again for as long as an install would wait.
update_lists() {
  local waited=0 output
  until output=$(apt_get update -qq 2>&1); do
    if [[ $output != *"Could not get lock"* ]] || ((waited >= 600)); then
      printf '%s\n' "$output" >&2
      return 1
    fi
    echo "Waiting for another apt to finish updating the package lists"
    sleep 10
    waited=$((waited + 10))
  done
  if [[ -n $output ]]; then printf '%s\n' "$output"; fi
}

update_lists
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  apt_get install -y -qq --no-install-recommends "${missing[@]}"
fi
if ((whole)); then
  echo "Installing the build dependencies of debian/control"
  apt_get build-dep -y -qq --no-install-recommends "${profiles[@]}" ./
  relations=$(runtime_relations)
  echo "Installing what the game depends on or recommends: $relations"
  apt_get satisfy -y -qq --no-install-recommends "$relations"
fi
