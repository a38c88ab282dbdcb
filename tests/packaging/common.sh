# Shared by the packaging tests (sourced): a temporary folder, pass and fail counting, PNG sizes,
# and a built tree installed into a temporary DESTDIR as the package lays it out.

dir=$(mktemp -d /tmp/brickloom-packaging.XXXXXX) || { echo "FAIL: no temporary folder"; exit 1; }
trap 'rm -rf "$dir"' EXIT
dest=$dir/root
usr=$dest/usr
app_id=org.brickloom.Brickloom
mime_type=application/x-brickloom-model

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
check() { # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}
quiet() { # quiet COMMAND...: the command's output is shown only when it fails
  "$@" >"$dir/quiet.log" 2>&1 || { local status=$?; cat "$dir/quiet.log"; return $status; }
}
skip() { echo "SKIP: $*"; exit 77; }
png_size() { # the width and height of a PNG, from its header
  [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || return 1
  local w h
  read -r w h < <(od -An -j16 -N8 -tu1 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
  echo "${w}x${h}"
}
install_tree() { # install_tree BUILD_DIR
  echo "== install"
  quiet env DESTDIR="$dest" cmake --install "$1" --prefix /usr || { echo "FAIL: cmake --install"; exit 1; }
}
finish() {
  echo
  [ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
  echo "all checks passed"
}
