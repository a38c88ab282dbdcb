#!/usr/bin/env bash
# Start-up benchmarks under a real X server with a window manager, measured where the user sees
# them: bench-xwatch starts each program and watches the X server for the moment its windows are
# mapped and their first pixels arrive (XDamage). The cases run interleaved round by round, each a
# fresh process with a fresh home, and are reported as ratios to the bare window of the same round.
#
# Usage: bench/run-startup.sh BUILD_DIR [ROUNDS]
# Starts its own X server (tools/with-xserver.sh) unless it is already inside one. With
# BENCH_ROWS=FILE it also appends its figures there, one "label|ms or MB|ratio|...|target|met" a line.
set -euo pipefail
export LC_ALL=C

here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${BRICKLOOM_BENCH_IN_X:-}" ]; then
  BRICKLOOM_BENCH_IN_X=1 exec "$here/../tools/with-xserver.sh" "$0" "$@"
fi

build=$(cd "${1:?usage: run-startup.sh BUILD_DIR [ROUNDS]}" && pwd)
runs=${2:-15}
watch=$build/bench/bench-xwatch
bare=$build/bench/bench-bare-window
startup=$build/bench/bench-startup
program=$build/brickloom
render=$build/brickloom-render
for p in "$watch" "$bare" "$startup" "$program" "$render"; do
  [ -x "$p" ] || { echo "run-startup: $p is not built" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A full model: both layers of every cell filled and every third field set.
model=$work/FULL.Pic
awk 'BEGIN { for (c = 0; c < 247; c++) printf "%d,%d,%d\r\n", (2 * c) % 240 + 1, (2 * c + 1) % 240 + 1, c + 1 }' >"$model"

# run NAME [WATCHER OPTIONS] -- COMMAND...: one watched process with a home of its own, as on a
# first start. Appends "round painted mapped exited cpu kb" (microseconds, kB) to $work/NAME.runs.
round=0
run() {
  local name=$1; shift
  rm -rf "$work/home" && mkdir -p "$work/home"
  if ! HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
       XDG_CACHE_HOME=$work/home/.cache "$watch" -o "$work/result" "$@" >/dev/null 2>"$work/err"; then
    echo "run-startup: $name failed:" >&2; cat "$work/err" >&2; exit 1
  fi
  local painted='' mapped='' exited='' cpu='' kb=''
  while IFS='=' read -r key value; do
    case $key in
      painted_us) painted=$value ;; mapped_us) mapped=$value ;; exited_us) exited=$value ;;
      cpu_us) cpu=$value ;; peak_rss_kb) kb=$value ;;
    esac
  done <"$work/result"
  [ -n "$kb" ] || kb=$(sed -n 's/^peak_rss_kb=//p' "$work/err")
  # A program the watcher ended has no exit of its own.
  case " $* " in *" --end "*) exited=- ;; esac
  echo "$round ${painted:-$exited} ${mapped:--} $exited $cpu ${kb:--}" >>"$work/$name.runs"
  sed -n 's/^milestone //p' "$work/err" >>"$work/$name.milestones"
}

kinds=(bare text menu program workarea render)
one() {
  case $1 in
    bare) run bare -- "$bare" ;;
    text) run text -- "$bare" --text ;;
    menu) run menu -- "$startup" ;;
    # The program itself, ended by the watcher once its main menu is on the screen.
    program) run program --end -- "$program" ;;
    workarea) run workarea --windows 2 -- "$startup" --work-area ;;
    # As a file manager runs it for a preview: its result is the file, there when it exits.
    render) run render --windows 0 -- "$render" -s 128 "$model" "$work/thumbnail.png" ;;
  esac
}

# One unrecorded round fills the file cache; then each round runs the kinds in an order of its own,
# shuffled the same way on every run of the bench, so that no kind always follows the same one: the
# window manager is still busy for a while with the windows of the run before (a fixed rotation
# always ran the bare window after the renderer, which has none, and so made it look faster).
for k in "${kinds[@]}"; do one "$k"; done
rm -f "$work"/*.runs "$work"/*.milestones
for ((round = 1; round <= runs; round++)); do
  for k in $(printf '%s\n' "${kinds[@]}" | awk -v seed="$round" 'BEGIN { srand(seed) } { print rand(), $0 }' | sort -n | cut -d' ' -f2); do
    one "$k"
  done
done

# One row: medians of the case's times and of its per-round ratios to the bare window's, with the
# ratios' quartiles as the spread. The target is judged on the ratio of the first column.
row() { # LABEL KIND TARGET_RATIO [BARE_COLUMN]
  awk -v label="$1" -v target="$3" -v unit="${4:-2}" '
    function median(a, n,   i, j, t) {
      for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
      return (n % 2) ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    function quartile(a, n, q,   k) { k = 1 + int(q * (n - 1) + 0.5); return a[k] }
    NR == FNR { b[$1, 2] = $2; b[$1, 3] = $3; b[$1, 4] = $4; b[$1, 5] = $5; next }
    { n++; for (c = 2; c <= 5; c++) { v[c, n] = $c; r[c, n] = (c == 2) ? $2 / b[$1, unit] : ($c == "-" ? "-" : $c / b[$1, c]) } }
    END {
      line = label
      for (c = 2; c <= 5; c++) {
        if (v[c, 1] == "-") { line = line "||"; continue }
        for (i = 1; i <= n; i++) { x[i] = v[c, i]; y[i] = r[c, i] }
        m = median(x, n); q = median(y, n)
        line = line sprintf("|%.1f|%.2f", m / 1000, q)
        if (c == 2) { lo = quartile(y, n, 0.25); hi = quartile(y, n, 0.75); ratio = q; line = line sprintf(" (%.2f-%.2f)", lo, hi) }
      }
      met = (target == "") ? "" : (ratio <= target ? "yes" : "NO")
      print line "|" ((target == "") ? "" : "<= " target "x") "|" met
    }' "$work/bare.runs" "$work/$2.runs"
}
kb() { awk '$6 != "-" { print $6 }' "$work/$1.runs" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

rows=$work/rows
{
  row "start: bare Qt window (the unit)" bare ""
  row "start: bare window with one button (text alone)" text ""
  row "start: main menu (bench-startup)" menu 1.2
  row "start: main menu (brickloom itself)" program 1.2
  row "start: \"&Create\", work area and palette" workarea 1.35
  # The renderer draws nothing on the screen: its file is there when it exits.
  row "brickloom-render -s 128, full model (to exit)" render 0.5
  awk -v a="$(kb bare)" -v t="$(kb text)" -v m="$(kb program)" -v w="$(kb workarea)" 'BEGIN {
    printf "peak memory: bare Qt window|%.1f MB|||||||||\n", a / 1024
    printf "peak memory: bare window with one button|%.1f MB|+%.1f MB||||||||\n", t / 1024, (t - a) / 1024
    printf "peak memory: main menu (brickloom itself)|%.1f MB|+%.1f MB||||||||\n", m / 1024, (m - a) / 1024
    printf "peak memory: work area and palette|%.1f MB|+%.1f MB|||||||<= +5 MB|%s\n", w / 1024, (w - a) / 1024, (w - a <= 5 * 1024) ? "yes" : "NO" }'
} >"$rows"

echo "Start-up at the X server, $runs interleaved rounds under Xvfb and openbox, each run a fresh process"
echo "with a fresh home, load $(cut -d' ' -f1-3 /proc/loadavg): medians in ms from before the fork, and the"
echo "median of each round's ratio to the bare window (quartiles of that ratio in brackets)."
echo "painted: the first pixels of every window of the case reached the X server; mapped: the last of"
echo "them was mapped; exit: the process ended by itself; cpu: its processor time, user and system."
awk -F'|' 'BEGIN { printf "  %-48s %8s %18s %8s %6s %8s %6s %8s %6s %10s %4s\n", "", "painted", "ratio", "mapped", "ratio", "exit", "ratio", "cpu", "ratio", "target", "met" }
           { printf "  %-48s %8s %18s %8s %6s %8s %6s %8s %6s %10s %4s\n", $1, $2, $3, $4, $5, $6, $7, $8, $9, $10, $11 }' "$rows"

# Where the time and the memory went inside each bench program: milliseconds since the fork, on the
# watcher's clock, and the resident memory then, medians.
echo "Inside the programs (median ms since the fork / resident MB then):"
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
