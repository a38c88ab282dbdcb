#!/usr/bin/env bash
# Prints a model through a real CUPS queue and checks the page that comes out.
# Usage: test_cupsprint.sh CUPSPRINT_DRIVER
#
# A private cupsd runs from a temporary folder: its own configuration, a Unix socket instead of a
# port, its own spool, cache, state and logs; the system's /etc/cups and any running scheduler are
# left alone. Its one queue, the default, has a file: device, so the job passes CUPS' PDF filter and
# lands as a PDF in the folder. (cups-pdf cannot be kept private: it reads a fixed path under
# /etc/cups and writes to the user's home.)
#
# Exit 77 (skipped) only when no scheduler can run here: tools missing, or cupsd refuses to start
# for a user who is not root. Set BRICKLOOM_PRINTOUT_DIR to keep the PDF and its PNG there.
set -u

driver=${1:?usage: test_cupsprint.sh CUPSPRINT_DRIVER}
here=$(cd "$(dirname "$0")" && pwd)
queue=brickloom-test
margin_points=18 # the ImageableArea margins of cupsprint.ppd

PATH=$PATH:/usr/sbin:/sbin
skip() { echo "SKIP: $*"; exit 77; }
for tool in cupsd lpadmin lpstat pdfinfo pdftocairo; do
  command -v "$tool" >/dev/null || skip "$tool is missing (make test installs cups, cups-client and poppler-utils)"
done
[ -x /usr/lib/cups/filter/pdftopdf ] || skip "CUPS' pdftopdf filter is missing (make test installs cups)"

# As root, filters run as the user lp: they must reach the spool inside, not list the folder.
dir=$(mktemp -d /tmp/brickloom-cups.XXXXXX) || { echo "FAIL: no temporary folder"; exit 1; }
chmod 711 "$dir"
mkdir -p "$dir"/{etc/ppd,etc/ssl,spool/tmp,cache,state,log,out,client,home}
sock=$dir/cups.sock
cupsd_pid=""

cleanup() {
  [ -n "$cupsd_pid" ] && { kill "$cupsd_pid" 2>/dev/null; wait "$cupsd_pid" 2>/dev/null; }
  if [ -n "${BRICKLOOM_PRINTOUT_DIR:-}" ]; then
    mkdir -p "$BRICKLOOM_PRINTOUT_DIR" && cp -f "$dir"/out/page.pdf "$dir"/page.png "$BRICKLOOM_PRINTOUT_DIR"/ 2>/dev/null
  fi
  rm -rf "$dir"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }
# For failures inside CUPS: its errors and the story of the job.
fail_cups() {
  echo "FAIL: $*"
  [ -f "$dir/log/error_log" ] && grep -E '^[EW] |\[Job ' "$dir/log/error_log" | tail -n 40
  exit 1
}

# The clients talk to the private scheduler only: no client.conf, lpoptions or default printer
# from the system or the user's home may name another queue.
client() {
  env -u LPDEST -u PRINTER CUPS_SERVER="$sock" CUPS_SERVERROOT="$dir/client" HOME="$dir/home" "$@"
}

cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerKeychain $dir/etc/ssl
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
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF

# In the foreground (-f) so that it stays our child and the trap can stop it.
env -u CUPS_SERVER -u CUPS_SERVERROOT cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
  >"$dir/log/cupsd.out" 2>&1 &
cupsd_pid=$!
for _ in $(seq 100); do
  client lpstat -r >/dev/null 2>&1 && break
  kill -0 "$cupsd_pid" 2>/dev/null || break
  sleep 0.1
done
if ! client lpstat -r >/dev/null 2>&1; then
  cat "$dir/log/cupsd.out"
  [ "$(id -u)" -eq 0 ] && fail_cups "cupsd did not start"
  skip "cupsd cannot run as $(id -un) here"
fi

client lpadmin -p "$queue" -E -v "file://$dir/out/page.pdf" -P "$here/cupsprint.ppd" || fail_cups "lpadmin could not add the queue"
client lpadmin -d "$queue" || fail_cups "lpadmin could not make the queue the default"
client QT_QPA_PLATFORM=offscreen "$driver" || fail_cups "the driver did not print"

# Done means one finished job and none left; a failing filter stops the queue instead.
for _ in $(seq 150); do
  [ -n "$(client lpstat -W completed -o "$queue")" ] && [ -z "$(client lpstat -o "$queue")" ] && break
  client lpstat -p "$queue" | grep -q disabled && fail_cups "the queue stopped: $(client lpstat -p "$queue")"
  sleep 0.2
done
[ -z "$(client lpstat -o "$queue")" ] || fail_cups "the job did not finish within 30 seconds"

pdf=$dir/out/page.pdf
[ -s "$pdf" ] || fail_cups "the queue wrote no PDF"
info=$(pdfinfo "$pdf") || fail "pdfinfo cannot read the printout"
grep -qx 'Pages: *1' <<<"$info" || fail "the printout is not one page: $info"
grep -qx 'Title: *Brickloom model' <<<"$info" || fail "the job does not carry the document name: $info"

# pdftocairo, not pdftoppm: the latter's Splash renderer widens an image by a pixel and resamples
# it, so a one-pixel grid line would smear without any fault of ours.
pdftocairo -png -r 96 -singlefile "$pdf" "$dir/page" || fail "pdftocairo cannot render the printout"
QT_QPA_PLATFORM=offscreen "$driver" --check "$dir/page.png" "$margin_points" || fail "the printed page is wrong"
echo "PASS: printed through $queue, one page as expected"
