#!/usr/bin/env bash
# Runs a command on a private weston desktop with Xwayland, as on a Wayland session: weston's X11
# backend draws into a private Xvfb, whose pointer and keyboard are weston's seat, so xdotool on
# the Xvfb drives it like a person and the Xvfb's screen shows what weston shows. The command gets
#   DISPLAY                     the Xvfb: for xdotool and screen grabs
#   XDG_RUNTIME_DIR             weston's runtime folder
#   BRICKLOOM_WAYLAND_DISPLAY   weston's socket name, for the program and weston-debug
#   BRICKLOOM_XWAYLAND          the display Xwayland serves
# `make test` installs all it needs, so a desktop that cannot start fails: it never skips.
set -u
fail() { echo "with-weston: $*" >&2; exit 1; }
for tool in Xvfb xdotool weston weston-debug Xwayland; do
  command -v "$tool" >/dev/null || fail "$tool is missing (make test installs it)"
done

width=1024 height=768
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=brickloom-weston
log=$runtime/weston.log
cleanup() {
  [ -n "${weston:-}" ] && kill "$weston" 2>/dev/null
  wait "${weston:-}" 2>/dev/null
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT

wait_for() {
  for _ in $(seq 200); do "$@" >/dev/null 2>&1 && return 0; sleep 0.05; done
  return 1
}
# Xvfb picks a free display itself and names it once it listens: other tests on this machine
# start X servers of their own at the same time, and a display chosen here could be taken by then.
Xvfb -displayfd 3 -screen 0 "${width}x$((height + 32))x24" -nolisten tcp -noreset 3>"$runtime/display" >/dev/null 2>&1 &
xvfb=$!
wait_for test -s "$runtime/display" || { echo "with-weston: Xvfb did not start" >&2; exit 1; }
display=":$(head -n1 "$runtime/display")"

# No animations: weston hands the keyboard on only when a closing window has faded out, which
# would make the test wait a second after each hidden palette. The idle lock stays off.
cat >"$runtime/weston.ini" <<EOF
[core]
idle-time=0
[shell]
animation=none
close-animation=none
startup-animation=none
focus-animation=none
EOF
# --debug for weston-debug's scene graph (the stacking) and for screenshots.
env -u WAYLAND_DISPLAY -u WAYLAND_SOCKET DISPLAY="$display" XDG_RUNTIME_DIR="$runtime" \
  weston --backend=x11-backend.so --use-pixman --width=$width --height=$height --xwayland --debug \
  --config="$runtime/weston.ini" --socket=$socket --log="$log" >/dev/null 2>&1 &
weston=$!

# Ready once Xwayland's display is announced and the desktop shell has put up its background.
xwayland=""
shell_ready() {
  xwayland=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$log" 2>/dev/null | tail -n1)
  [ -n "$xwayland" ] && WAYLAND_DISPLAY=$socket XDG_RUNTIME_DIR=$runtime weston-debug scene-graph 2>/dev/null | grep -q 'background for output'
}
started=""
for _ in $(seq 200); do
  kill -0 "$weston" 2>/dev/null || break
  if shell_ready; then started=yes; break; fi
  sleep 0.05
done
if [ -z "$started" ]; then
  tail -n 15 "$log" >&2 2>/dev/null
  fail "weston did not start on $display (its log is above)"
fi

# weston's window may miss the pointer's first entering it; a way out and back in tells it. The
# seat follows when its cursor moves as far as the pointer did: where the tip sits in the cursor's
# image depends on the cursor theme (5 px with one, 1 px with weston's own), so it is not assumed.
cursor_position() {
  WAYLAND_DISPLAY=$socket XDG_RUNTIME_DIR=$runtime weston-debug scene-graph 2>/dev/null \
    | grep -A1 'cursor' | sed -n 's/.*position: (\(-\?[0-9]*\), \(-\?[0-9]*\)).*/\1 \2/p' | head -n1
}
seat_ready() {
  local first second
  env DISPLAY="$display" xdotool mousemove 10 $((height + 16)) mousemove 512 384 || return 1
  read -r -a first <<<"$(cursor_position)"
  env DISPLAY="$display" xdotool mousemove 520 390 || return 1
  read -r -a second <<<"$(cursor_position)"
  [ ${#first[@]} -eq 2 ] && [ ${#second[@]} -eq 2 ] \
    && [ $((second[0] - first[0])) -eq 8 ] && [ $((second[1] - first[1])) -eq 6 ]
}
wait_for seat_ready || fail "weston's seat does not follow the pointer"

unset QT_QPA_PLATFORM WAYLAND_DISPLAY WAYLAND_SOCKET
export DISPLAY=$display XDG_RUNTIME_DIR=$runtime XDG_SESSION_TYPE=wayland
export BRICKLOOM_WAYLAND_DISPLAY=$socket BRICKLOOM_XWAYLAND=$xwayland
"$@"
