#!/usr/bin/env bash
# Makes the Debian package from the suite's own built tree, as `make package` does from a Release
# tree, and has lintian judge it: any error or warning fails. Usage: test_lintian.sh BUILD_DIR
set -u
. "$(dirname "$0")/common.sh"

build=${1:?usage: test_lintian.sh BUILD_DIR}
for tool in lintian dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null || missing "$tool is missing (make test installs lintian, dpkg-dev and file)"
done

echo "== package"
quiet cpack --config "$build/CPackConfig.cmake" -B "$dir/package" -G DEB || { echo "FAIL: cpack"; exit 1; }
deb=$(echo "$dir"/package/brickloom_*.deb)
check "cpack made $(basename "$deb")" test -f "$deb"

# lintian cannot see what is only loaded at run time: the platform plugins and the font.
depends=$(dpkg-deb -f "$deb" Depends)
for package in qt6-qpa-plugins fonts-liberation2; do
  check "it depends on $package" grep -Eq "(^|, )$package(,|$| )" <<<"$depends"
done

echo "== lintian"
out=$(lintian --fail-on error,warning --display-info --pedantic "$deb" 2>&1); status=$?
grep -v '^running with root privileges' <<<"$out"
check "lintian finds no error or warning" test $status -eq 0 -a -z "$(grep -E '^[EW]: ' <<<"$out")"

finish
