#!/usr/bin/env bash
# The Debian package made from a build tree, unpacked into a temporary root with what its triggers
# would do, and an unprivileged user (nobody) with a fresh home, as a new user meets the program:
#   tools/as-new-user.sh BUILD_DIR                runs the installed brickloom as that user
#   tools/as-new-user.sh BUILD_DIR COMMAND...     runs COMMAND, which gets
#     BRICKLOOM_AS_USER   a program that runs its arguments as that user, with the root on the paths
#     BRICKLOOM_ROOT      the root the package was unpacked into (its programs under usr/)
#     BRICKLOOM_HOME      the user's home, with a documents folder as a desktop session makes it
# Needs root (as the tests run), a display in DISPLAY, and what `make test` installs.
set -u
build=${1:?usage: tools/as-new-user.sh BUILD_DIR [COMMAND...]}
shift
fail() { echo "as-new-user: $*" >&2; exit 1; }
for tool in cpack dpkg-deb setpriv update-mime-database update-desktop-database; do
  command -v "$tool" >/dev/null || fail "$tool is missing (make test installs it)"
done
[ "$(id -u)" -eq 0 ] || fail "only root can run a program as another user"
user=65534

dir=$(mktemp -d /tmp/brickloom-user.XXXXXX) || fail "no temporary folder"
trap 'rm -rf "$dir"' EXIT
chmod 755 "$dir"
root=$dir/root
home=$dir/home
cpack --config "$build/CPackConfig.cmake" -B "$dir/package" -G DEB >"$dir/package.log" 2>&1 \
  && dpkg-deb -x "$dir"/package/brickloom_*.deb "$root" \
  && update-mime-database "$root/usr/share/mime" >>"$dir/package.log" 2>&1 \
  && update-desktop-database "$root/usr/share/applications" >>"$dir/package.log" 2>&1 \
  || { cat "$dir/package.log" >&2; fail "the package could not be made and unpacked"; }
mkdir -p "$home/Documents" "$home/runtime"
chown -R "$user:$user" "$home"
chmod 700 "$home/runtime"

cat >"$dir/as-user" <<EOF
#!/bin/sh
exec setpriv --reuid=$user --regid=$user --clear-groups env -i HOME='$home' USER=nobody LANG=C.UTF-8 \\
  PATH='$root/usr/bin:/usr/bin:/bin' DISPLAY="\$DISPLAY" XDG_RUNTIME_DIR='$home/runtime' \\
  XDG_DATA_DIRS='$root/usr/share:/usr/share' XDG_CURRENT_DESKTOP=XFCE "\$@"
EOF
chmod 755 "$dir/as-user"
export BRICKLOOM_AS_USER=$dir/as-user BRICKLOOM_ROOT=$root BRICKLOOM_HOME=$home
if [ $# -eq 0 ]; then
  "$BRICKLOOM_AS_USER" brickloom
else
  "$@"
fi
