#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when they are missing.
# Usage: tools/install-deps.sh [build|test|package|fuzz]
set -euo pipefail

build_pkgs=(cmake ninja-build g++ make qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
            libgl-dev libglx-dev libegl-dev fonts-dejavu-core fonts-liberation2)
# Real-window tests, printing through a CUPS queue, packaging checks.
test_pkgs=(xvfb openbox xdotool x11-utils libxkbcommon-x11-0
           cups cups-client cups-bsd poppler-utils shared-mime-info
           desktop-file-utils appstream)
# Building the Debian package: dpkg-shlibdeps, and file, by which CPack finds the programs in it.
package_pkgs=(dpkg-dev file)
# Fuzzing: clang with its libFuzzer and sanitizer runtimes.
fuzz_pkgs=(clang libclang-rt-14-dev)

want=("${build_pkgs[@]}")
[ "${1:-build}" = test ] && want+=("${test_pkgs[@]}")
[ "${1:-build}" = package ] && want+=("${package_pkgs[@]}")
[ "${1:-build}" = fuzz ] && want+=("${fuzz_pkgs[@]}")

missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
