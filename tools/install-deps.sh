#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when they are missing. Quietly: apt's
# and dpkg's own output goes to a log, and only its tail is shown when something goes wrong.
# Usage: tools/install-deps.sh [build|test|package|fuzz]
set -euo pipefail

build_pkgs=(cmake ninja-build g++ make qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
            libgl-dev libglx-dev libegl-dev fonts-dejavu-core fonts-liberation2)
# Real-window tests, printing through a CUPS queue, checks of the installed tree; the installed
# program on an XFCE desktop: its window manager (with its settings service), its thumbnail
# service, and xdg-open, which opens files there through gio. The start-up benchmark watches the
# X server through its DAMAGE extension (libxcb-damage0-dev).
test_pkgs=(xvfb openbox xdotool x11-utils libxkbcommon-x11-0 libxcb-damage0-dev
           cups cups-client cups-bsd poppler-utils shared-mime-info
           desktop-file-utils appstream
           xfwm4 xfconf tumbler dbus xdg-utils libglib2.0-bin)
# Real-window tests on a Wayland session.
wayland_pkgs=(weston xwayland qt6-wayland)
# Building the Debian package: dpkg-shlibdeps, and file, by which CPack finds the programs in it.
package_pkgs=(dpkg-dev file)
# The tests also build the package and check it with lintian.
package_check_pkgs=(lintian)
# Fuzzing: clang with its libFuzzer and sanitizer runtimes.
fuzz_pkgs=(clang libclang-rt-14-dev)

want=("${build_pkgs[@]}")
case "${1:-build}" in
  build) ;;
  test) want+=("${test_pkgs[@]}" "${wayland_pkgs[@]}" "${package_pkgs[@]}" "${package_check_pkgs[@]}") ;;
  package) want+=("${package_pkgs[@]}") ;;
  fuzz) want+=("${fuzz_pkgs[@]}") ;;
  *) echo "usage: tools/install-deps.sh [build|test|package|fuzz]" >&2; exit 2 ;;
esac

missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

# sudo drops an exported DEBIAN_FRONTEND, so it goes through `env` on the command itself; without it
# a package's configuration could stop and wait for an answer nobody sees in the log.
apt=(env DEBIAN_FRONTEND=noninteractive apt-get -y -o Dpkg::Use-Pty=0)
if [ "$(id -u)" -ne 0 ]; then
  apt=(sudo "${apt[@]}")
  sudo -v    # asks for the password here, before the output goes to the log
fi
log=$(mktemp --suffix=.log "${TMPDIR:-/tmp}/brickloom-deps.XXXXXX")
echo "Installing ${#missing[@]} package(s): ${missing[*]}"
if { "${apt[@]}" update && "${apt[@]}" install --no-install-recommends "${missing[@]}"; } >"$log" 2>&1 </dev/null; then
  echo "Installed. Full log: $log"
else
  echo "Installing the packages failed. The end of the log ($log):" >&2
  tail -n 30 "$log" >&2
  exit 1
fi
