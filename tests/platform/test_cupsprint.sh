#!/usr/bin/env bash
# Prints a model through a private cupsd, whose one queue writes a PDF into a temporary folder
# (cups-pdf cannot: it reads /etc/cups and writes to the home), and checks the page.
# Usage: test_cupsprint.sh CUPSPRINT_DRIVER. Exit 77 when no scheduler can run here.
set -u

driver=${1:?usage: test_cupsprint.sh CUPSPRINT_DRIVER}
here=$(cd "$(dirname "$0")" && pwd)
queue=brickloom-test

PATH=$PATH:/usr/sbin:/sbin
skip() { echo "SKIP: $*"; exit 77; }
for tool in cupsd lpadmin lpstat pdfinfo pdftocairo /usr/lib/cups/filter/pdftopdf; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (make test installs cups, cups-client and poppler-utils)"; exit 1; }
done

# As root, filters run as the user lp: they must reach the spool inside, not list the folder.
dir=$(mktemp -d /tmp/brickloom-cups.XXXXXX) || { echo "FAIL: no temporary folder"; exit 1; }
chmod 711 "$dir"
mkdir -p "$dir"/{etc/ppd,etc/ssl,spool/tmp,cache,state,log,out,client,home}
sock=$dir/cups.sock
cupsd_pid=""

trap '[ -n "$cupsd_pid" ] && { kill "$cupsd_pid"; wait "$cupsd_pid"; } 2>/dev/null; rm -rf "$dir"' EXIT
# With CUPS' errors and the story of the job.
fail() { echo "FAIL: $*"; grep -sE '^[EW] |\[Job ' "$dir/log/error_log" | tail -n 40; exit 1; }

# No client.conf, lpoptions or default printer of the system or the home may name another queue.
client() { env -u LPDEST -u PRINTER CUPS_SERVER="$sock" CUPS_SERVERROOT="$dir/client" HOME="$dir/home" "$@"; }

cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/state/printcap
SystemGroup $(id -gn)
FileDevice Yes
EOF

# No authentication: only this script can find the socket.
cat >"$dir/etc/cupsd.conf" <<EOF
LogLevel debug
Listen $sock
Browsing No
WebInterface No
DefaultAuthType None
EOF

# In the foreground (-f) so that it stays our child and the trap can stop it.
env -u CUPS_SERVER -u CUPS_SERVERROOT cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
  >"$dir/log/cupsd.out" 2>&1 &
cupsd_pid=$!
# lpstat -r exits 0 either way: only its words say whether the socket answers yet.
for _ in $(seq 100); do
  [ "$(client env LC_ALL=C lpstat -r 2>/dev/null)" = "scheduler is running" ] && break
  kill -0 "$cupsd_pid" 2>/dev/null && { sleep 0.1; continue; }
  cat "$dir/log/cupsd.out"
  [ "$(id -u)" -eq 0 ] && fail "cupsd did not start"
  skip "cupsd cannot run as $(id -un) here"
done
[ "$(client env LC_ALL=C lpstat -r 2>/dev/null)" = "scheduler is running" ] || fail "cupsd did not answer within 10 seconds"

client lpadmin -p "$queue" -E -v "file://$dir/out/page.pdf" -P "$here/cupsprint.ppd" || fail "lpadmin could not add the queue"
client lpadmin -d "$queue" || fail "lpadmin could not make the queue the default"
client QT_QPA_PLATFORM=offscreen "$driver" || fail "the driver did not print"

# Done means one finished job and none left; a failing filter stops the queue instead.
for _ in $(seq 150); do
  [ -n "$(client lpstat -W completed -o "$queue")" ] && [ -z "$(client lpstat -o "$queue")" ] && break
  client lpstat -p "$queue" | grep -q disabled && fail "the queue stopped: $(client lpstat -p "$queue")"
  sleep 0.2
done
[ -z "$(client lpstat -o "$queue")" ] || fail "the job did not finish within 30 seconds"

pdf=$dir/out/page.pdf
[ -s "$pdf" ] || fail "the queue wrote no PDF"
info=$(pdfinfo "$pdf") || fail "pdfinfo cannot read the printout"
grep -qx 'Pages: *1' <<<"$info" || fail "the printout is not one page: $info"
grep -qx 'Title: *Brickloom model' <<<"$info" || fail "the job does not carry the document name: $info"

# Not pdftoppm: its Splash renderer widens an image by a pixel and smears the grid lines.
pdftocairo -png -r 96 -singlefile "$pdf" "$dir/page" || fail "pdftocairo cannot render the printout"
QT_QPA_PLATFORM=offscreen "$driver" --check "$dir/page.png" || fail "the printed page is wrong"
echo "PASS: printed through $queue, one page as expected"
