# Sourced by the packaging tests: a temporary folder, checks counted, PNG sizes.

dir=$(mktemp -d /tmp/brickloom-packaging.XXXXXX) || { echo "FAIL: no temporary folder"; exit 1; }
trap 'rm -rf "$dir"' EXIT
dest=$dir/root
usr=$dest/usr
app_id=org.brickloom.Brickloom
mime_type=application/x-brickloom-model

failures=0
check() { # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}
quiet() { # quiet COMMAND...: the command's output is shown only when it fails
  "$@" >"$dir/quiet.log" 2>&1 || { local status=$?; cat "$dir/quiet.log"; return $status; }
}
missing() { echo "FAIL: $*"; exit 1; } # make test installs every tool these tests need
png_size() { # WIDTHxHEIGHT from a PNG's header, nothing for another file
  od -An -N24 -w24 -tu1 "$1" | awk '$1 == 137 && $2 == 80 && $3 == 78 && $4 == 71 && $13 == 73 && $14 == 72 {
    printf "%dx%d\n", $17 * 16777216 + $18 * 65536 + $19 * 256 + $20, $21 * 16777216 + $22 * 65536 + $23 * 256 + $24 }'
}
finish() { [ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }; echo "all checks passed"; }
