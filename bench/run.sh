#!/usr/bin/env bash
# Runs every benchmark and prints one table: the start-up figures (bench/run-startup.sh, under a
# private X server) and the work-area actions (bench_actions, offscreen). Every figure stands next
# to a bare Qt window measured in the same run.
#
# Usage: bench/run.sh BUILD_DIR [STARTUP_RUNS]
set -euo pipefail
export LC_ALL=C

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: run.sh BUILD_DIR [STARTUP_RUNS]}" && pwd)
runs=${2:-15}
actions=$build/bench/bench_actions
[ -x "$actions" ] || { echo "run.sh: $actions is not built" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

BENCH_ROWS=$work/startup.rows "$here/run-startup.sh" "$build" "$runs" >"$work/startup.txt"

# The actions. Qt's own settings (the file dialog writes its history there) and the recovery
# copies go to folders of our own, the settings in memory where there is room, so the user's stay
# as they are and a busy disk does not blur the dialog's figure.
config=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
runtime=$(mktemp -d)
trap 'rm -rf "$work" "$config" "$runtime"' EXIT
if ! XDG_CONFIG_HOME=$config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen \
     "$actions" -o "$work/actions.csv,csv" -o "$work/actions.txt,txt" >/dev/null 2>&1; then
  cat "$work/actions.txt" >&2
  echo "run.sh: bench_actions failed" >&2
  exit 1
fi

# "name","tag","metric",value,total,iterations -> name ms
awk -F, '{ gsub(/"/, ""); v = $4; if ($3 == "WalltimeNanoseconds") v /= 1e6; print $1, v }' "$work/actions.csv" >"$work/actions.ms"

action_rows() {
  awk -v frame=16.7 '
    NR == FNR { ms[$1] = $2; next }
    {
      split($0, f, "|")
      name = f[1]; label = f[2]; target = f[3]
      if (!(name in ms)) next
      v = ms[name]
      met = ""
      if (target != "") met = (v < target) ? "yes" : "NO"
      printf "%s|%.4f ms|%.2f|||%s|%s\n", label, v, v / ms["bareWindow"], (target == "") ? "" : "< " target " ms", met
    }' "$work/actions.ms" - <<'EOF'
bareWindow|action unit: bare 634x455 window created, shown, painted|
bareRepaint|bare window repainted whole (one frame of it)|
drop|drop on a box, box repainted|1
rightClick|right-click removal, box repainted|1
undoTen|undo of 10 drops, work area repainted|16.7
clearFull|clear of a full model, work area repainted|16.7
fullRepaint|work area with a full model repainted whole|
paletteReshow|palette hidden and shown again, repainted|
readModel|model file parsed from memory (full model)|
openModel|model file opened and read (full model)|
openOwnWork|Open File, own work (processor time, dialog excluded)|2
openDialog|Open File, the file dialog routine alone (wall)|
openClick|Open File, whole command, dialog answered at once (wall)|
modelBytes|model file bytes made (full model)|
saveModel|model file written into place, synced to disk (wall)|1
saveOwnWork|Save File, own work (processor time, dialog excluded)|1
saveDialog|Save File, the file dialog routine alone (wall)|
saveClick|Save File, whole command, dialog answered at once (wall)|
EOF
}

action_rows >"$work/rows"

echo "Brickloom benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores"
echo
cat "$work/startup.txt"
echo
echo "The work area's actions, offscreen; ratios to a bare 634x455 window created, shown and painted offscreen"
echo "in the same run."
awk -F'|' 'BEGIN { printf "  %-58s %12s %7s %10s %4s\n", "figure", "median", "ratio", "target", "met" }
           { printf "  %-58s %12s %7s %10s %4s\n", $1, $2, $3, $6, $7 }' "$work/rows"
if grep -q '|NO$' "$work/startup.rows" "$work/rows"; then
  echo
  echo "Missed: $(cat "$work/startup.rows" "$work/rows" | grep '|NO$' | cut -d'|' -f1 | paste -sd ';' - | sed 's/;/; /g')"
fi
