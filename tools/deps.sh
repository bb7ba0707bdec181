#!/usr/bin/env bash
# Installs what is missing on Debian 12, from debian/control: its build dependencies (with the
# gates' tools, under the build profile pkg.lumora.gates) and what the game depends on or
# recommends. Only the install runs as root (through sudo for another user).
#   tools/deps.sh            everything: the build, the game, the tests and every gate
#   tools/deps.sh --play     what building and playing need (profile nocheck: no test tools)
#   tools/deps.sh NAME...    only those packages
set -euo pipefail
cd "$(dirname "$0")/.."
whole=1 profiles=(-P pkg.lumora.gates)
if [[ ${1:-} == --play ]]; then profiles=(-P nocheck) && shift; elif (($#)); then whole=0; fi

# One relation list: the names given or, in the whole modes, build-essential (which
# dpkg-checkbuilddeps does not check) and the game's own relations, without substitution variables.
relations() {
  if ((!whole)); then (IFS=,; echo "dpkg-dev,$*"); return; fi
  perl -MDpkg::Control::Info -MDpkg::Deps -e '
    my $game = Dpkg::Control::Info->new("debian/control")->get_pkg_by_name("lumora");
    print deps_parse(deps_concat("build-essential", @ARGV, map { s/\$\{[^}]*\}//gr } @$game{qw(Depends Recommends)}));' "$@"
}
# dpkg-checkbuilddeps weighs versions, alternatives, virtual packages and build profiles.
met() {
  command -v dpkg-checkbuilddeps || return
  if ((whole)); then dpkg-checkbuilddeps "${profiles[@]}" || return; fi
  dpkg-checkbuilddeps -d "$(relations "$@")"
}
sudo=()
if ((EUID != 0)); then sudo=(sudo); fi
# An earlier build-qt added this one-line deb-src list, which clashes with sources that carry
# Signed-By and then fails every apt command on the machine; apt's own sources stay as they are.
stale=/etc/apt/sources.list.d/lumora-debian-src.list
if [[ -e $stale ]]; then "${sudo[@]}" rm -f "$stale" && echo "Removed $stale, left by an earlier build"; fi
met "$@" >/dev/null 2>&1 && exit 0

if ((EUID != 0)) && ! command -v sudo >/dev/null; then
  echo "tools/deps.sh: installing packages needs root, and there is no sudo here: run it as root" >&2; exit 1
fi
# Each waits up to ten minutes for the package lock while another apt or dpkg runs.
apt_get() { "${sudo[@]}" env LC_ALL=C DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 "$@"; }
# apt-get update has no such wait (it fails at once while another apt updates the lists).
for ((waited = 0; ; waited += 10)); do
  output=$(apt_get update -qq 2>&1) && break
  [[ $output == *"Could not get lock"* ]] && ((waited < 600)) || { printf '%s\n' "$output" >&2; exit 1; }
  echo "Waiting for another apt to finish updating the package lists"
  sleep 10
done
[[ -z $output ]] || printf '%s\n' "$output"
if ((whole)); then
  echo "Installing the build dependencies of debian/control"
  apt_get build-dep -y -qq --no-install-recommends "${profiles[@]}" ./
fi
# After build-dep, which brings the Perl modules that read the whole modes' list.
wanted=$(relations "$@")
echo "Installing: $wanted"
apt_get satisfy -y -qq --no-install-recommends "$wanted"
