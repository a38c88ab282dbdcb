#!/usr/bin/env bash
# Start-up benchmarks under a real X server with a window manager: the bare Qt window, the program
# to its main menu, the program through "&Create" to the work area and the palette, and the
# renderer on a full model. Each whole process is timed from start to exit, the four interleaved,
# and reported as medians and as ratios to the bare window of the same run.
#
# Usage: bench/run-startup.sh BUILD_DIR [RUNS]
# Starts its own X server (tools/with-xserver.sh) unless it is already inside one. With
# BENCH_ROWS=FILE it also appends its figures there, one "label|ms or MB|ratio|target|met" a line.
set -euo pipefail
export LC_ALL=C

here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${BRICKLOOM_BENCH_IN_X:-}" ]; then
  BRICKLOOM_BENCH_IN_X=1 exec "$here/../tools/with-xserver.sh" "$0" "$@"
fi

build=$(cd "${1:?usage: run-startup.sh BUILD_DIR [RUNS]}" && pwd)
runs=${2:-15}
bare=$build/bench/bench-bare-window
startup=$build/bench/bench-startup
render=$build/brickloom-render
for p in "$bare" "$startup" "$render"; do
  [ -x "$p" ] || { echo "run-startup: $p is not built" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Qt's own settings and the program's data land here, not in the user's.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data

# A full model: both layers of every cell filled and every third field set.
model=$work/FULL.Pic
awk 'BEGIN { for (c = 0; c < 247; c++) printf "%d,%d,%d\r\n", (2 * c) % 240 + 1, (2 * c + 1) % 240 + 1, c + 1 }' >"$model"

# The processor time, user and system, of all finished children so far, in milliseconds. Another
# process busy on the machine stretches a run's wall time but not this.
to_ms() { # 0m0.123s
  local m=${1%%m*} s=${1#*m}
  s=${s%s}
  echo $((10#$m * 60000 + 10#${s%.*} * 1000 + 10#${s#*.}))
}
# Sets cpu_ms; `times` must run in this shell, not in a subshell of its own.
children_cpu_ms() {
  times >"$work/times"
  local user sys
  { read -r _; read -r user sys; } <"$work/times"
  cpu_ms=$(($(to_ms "$user") + $(to_ms "$sys")))
}

# run NAME COMMAND...: one timed process. Its wall time in microseconds goes to $work/NAME.us, its
# processor time in microseconds to $work/NAME.cpu, the peak memory it reports to $work/NAME.kb.
run() {
  local name=$1; shift
  local t0 t1 c0 c1
  children_cpu_ms
  c0=$cpu_ms
  t0=${EPOCHREALTIME//[!0-9]/}
  if ! "$@" >/dev/null 2>"$work/err"; then
    echo "run-startup: $name failed:" >&2; cat "$work/err" >&2; exit 1
  fi
  t1=${EPOCHREALTIME//[!0-9]/}
  children_cpu_ms
  c1=$cpu_ms
  echo $((t1 - t0)) >>"$work/$name.us"
  echo $(((c1 - c0) * 1000)) >>"$work/$name.cpu"
  sed -n 's/^peak_rss_kb=//p' "$work/err" >>"$work/$name.kb"
  sed -n 's/^milestone //p' "$work/err" >>"$work/$name.milestones"
}

kinds=(bare text menu workarea render)
one() {
  case $1 in
    bare) run bare "$bare" ;;
    text) run text "$bare" --text ;;
    menu) run menu "$startup" ;;
    workarea) run workarea "$startup" --work-area ;;
    render) run render "$render" "$model" "$work/full.png" ;;
  esac
}

# One unrecorded round fills the file cache; then each round starts with another kind, so none of
# them always follows the same one.
for k in "${kinds[@]}"; do one "$k"; done
rm -f "$work"/*.us "$work"/*.kb
for ((i = 0; i < runs; i++)); do
  for ((j = 0; j < ${#kinds[@]}; j++)); do one "${kinds[(i + j) % ${#kinds[@]}]}"; done
done

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

bare_us=$(median "$work/bare.us")
bare_cpu=$(median "$work/bare.cpu")
row() { # LABEL KIND TARGET_RATIO
  awk -v l="$1" -v us="$(median "$work/$2.us")" -v cpu="$(median "$work/$2.cpu")" -v b="$bare_us" -v bc="$bare_cpu" -v t="$3" 'BEGIN {
    r = us / b
    met = (t == "") ? "" : (r <= t ? "yes" : "NO")
    printf "%s|%.1f ms|%.2f|%.1f ms|%.2f|%s|%s\n", l, us / 1000, r, cpu / 1000, cpu / bc, (t == "") ? "" : "<= " t "x", met }'
}

rows=$work/rows
{
  row "start: bare Qt window painted (the unit)" bare ""
  row "start: bare Qt window with one button (reference)" text ""
  row "start: main menu painted" menu 1.25
  row "start: work area and palette painted" workarea 1.35
  row "renderer on a full model" render 1.2
  awk -v a="$(median "$work/bare.kb")" -v w="$(median "$work/workarea.kb")" -v m="$(median "$work/menu.kb")" -v t="$(median "$work/text.kb")" 'BEGIN {
    printf "peak memory: bare Qt window|%.1f MB||||\n", a / 1024
    printf "peak memory: bare Qt window with one button|%.1f MB|+%.1f MB||||\n", t / 1024, (t - a) / 1024
    printf "peak memory: main menu|%.1f MB|+%.1f MB||||\n", m / 1024, (m - a) / 1024
    printf "peak memory: work area and palette|%.1f MB|+%.1f MB|||<= +6 MB|%s\n", w / 1024, (w - a) / 1024, (w - a <= 6 * 1024) ? "yes" : "NO" }'
} >"$rows"

echo "Start-up, $runs runs of each under Xvfb and openbox: medians of whole processes, start to exit;"
echo "the target is met or not on wall time, the processor time (user + system) is steadier on a busy machine."
awk -F'|' 'BEGIN { printf "  %-42s %10s %7s %10s %7s %10s %4s\n", "", "wall", "ratio", "cpu", "ratio", "target", "met" }
           { printf "  %-42s %10s %7s %10s %7s %10s %4s\n", $1, $2, $3, $4, $5, $6, $7 }' "$rows"

# Where the time and the memory went inside each program: milliseconds since main() began and the
# resident memory then, medians.
echo "Inside the programs (median ms since main() began / resident MB then):"
for k in bare text menu workarea; do
  awk -F'|' -v k="$k" '
    { if (!($1 in seen)) { seen[$1] = 1; order[++n] = $1 } t[$1, ++c[$1]] = $2; m[$1, c[$1]] = $3 }
    function med(arr, key, cnt,   i, j, v, tmp) {
      for (i = 1; i <= cnt; i++) v[i] = arr[key, i]
      for (i = 1; i <= cnt; i++) for (j = i + 1; j <= cnt; j++) if (v[j] < v[i]) { tmp = v[i]; v[i] = v[j]; v[j] = tmp }
      return v[int((cnt + 1) / 2)]
    }
    END {
      line = sprintf("  %-9s", k)
      for (i = 1; i <= n; i++) line = line sprintf("  %s %.1f/%.1f", order[i], med(t, order[i], c[order[i]]), med(m, order[i], c[order[i]]) / 1024)
      print line
    }' "$work/$k.milestones"
done
if [ -n "${BENCH_ROWS:-}" ]; then cat "$rows" >>"$BENCH_ROWS"; fi
