#!/usr/bin/env bash
# Installs whatever the build, the tests and the game need on Debian 12; quick when all is there.
# The list is debian/control's: its build dependencies (the tests' and gates' tools among them,
# under the build profile pkg.lumora.gates, so the package's own build goes without them) and what
# the game depends on or recommends.
#   tools/deps.sh            everything: the build, the game, the tests and every gate
#   tools/deps.sh --play     what building and playing need (profile nocheck: no test tools)
#   tools/deps.sh NAME...    only those packages, if missing (a gate's own needs)
# Only the install step needs root: run as another user, it asks through sudo, and only when
# something is missing. It waits for the package lock while another apt or dpkg runs.
set -euo pipefail
cd "$(dirname "$0")/.."

whole=1 profiles=(-P pkg.lumora.gates)
if [[ ${1:-} == --play ]]; then
  profiles=(-P nocheck)
  shift
elif (($#)); then
  whole=0
fi

# One relation list of the names given and, in the whole modes, build-essential (which
# dpkg-checkbuilddeps does not check) and what the game depends on or recommends, without
# debhelper's substitution variables. Names alone bring dpkg-dev, whose dpkg-checkbuilddeps
# tells what is there.
relations() {
  if ((!whole)); then (IFS=,; echo "dpkg-dev,$*"); return; fi
  perl -MDpkg::Control::Info -MDpkg::Deps -e '
    my $game = Dpkg::Control::Info->new("debian/control")->get_pkg_by_name("lumora");
    print deps_parse(deps_concat("build-essential", @ARGV,
      map { s/\$\{[^}]*\}//gr } @$game{qw(Depends Recommends)}));' "$@"
}
# dpkg-checkbuilddeps weighs versions, alternatives, virtual packages and build profiles.
met() {
  command -v dpkg-checkbuilddeps || return
  if ((whole)); then dpkg-checkbuilddeps "${profiles[@]}" || return; fi
  dpkg-checkbuilddeps -d "$(relations "$@")"
}
met "$@" >/dev/null 2>&1 && exit 0

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
waited=0
until output=$(apt_get update -qq 2>&1); do
  if [[ $output != *"Could not get lock"* ]] || ((waited >= 600)); then
    printf '%s\n' "$output" >&2
    exit 1
  fi
  echo "Waiting for another apt to finish updating the package lists"
  sleep 10
  waited=$((waited + 10))
done
if [[ -n $output ]]; then printf '%s\n' "$output"; fi

if ((whole)); then
  echo "Installing the build dependencies of debian/control (${profiles[*]})"
  apt_get build-dep -y -qq --no-install-recommends "${profiles[@]}" ./
fi
# After build-dep: the whole modes' list is read with dpkg-dev's Perl modules, which it brings.
wanted=$(relations "$@")
echo "Installing: $wanted"
apt_get satisfy -y -qq --no-install-recommends "$wanted"
