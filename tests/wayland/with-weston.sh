#!/usr/bin/env bash
# Runs a command on a private weston desktop with Xwayland, as on a Wayland session: weston's X11
# backend draws into a private Xvfb, whose pointer and keyboard are weston's seat, so xdotool on
# the Xvfb drives it like a person and the Xvfb's screen shows what weston shows. The command gets
#   DISPLAY                     the Xvfb: for xdotool and screen grabs
#   XDG_RUNTIME_DIR             weston's runtime folder
#   BRICKLOOM_WAYLAND_DISPLAY   weston's socket name, for the program and weston-debug
#   BRICKLOOM_XWAYLAND          the display Xwayland serves
# Ends with status 77, a skip for CTest, when weston cannot start.
set -u
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "with-weston: $tool is missing (make test installs it)" >&2; exit 1; }
done
skip() { echo "with-weston: SKIPPED: $*" >&2; exit 77; }
command -v weston >/dev/null || skip "weston is not installed (Debian package weston)"
command -v weston-debug >/dev/null || skip "weston-debug is not installed (Debian package weston)"
command -v Xwayland >/dev/null || skip "Xwayland is not installed (Debian package xwayland)"

width=1024 height=768
display=""
for n in $(seq 60 160); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "with-weston: no free display" >&2; exit 1; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=brickloom-weston
log=$runtime/weston.log
Xvfb "$display" -screen 0 "${width}x${height}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  [ -n "${weston:-}" ] && kill "$weston" 2>/dev/null
  wait "${weston:-}" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT

wait_for() {
  for _ in $(seq 200); do "$@" >/dev/null 2>&1 && return 0; sleep 0.05; done
  return 1
}
wait_for env DISPLAY="$display" xdotool getmouselocation || { echo "with-weston: Xvfb did not start" >&2; exit 1; }

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
  skip "weston did not start on $display (its log is above)"
fi

unset QT_QPA_PLATFORM WAYLAND_DISPLAY WAYLAND_SOCKET
export DISPLAY=$display XDG_RUNTIME_DIR=$runtime XDG_SESSION_TYPE=wayland
export BRICKLOOM_WAYLAND_DISPLAY=$socket BRICKLOOM_XWAYLAND=$xwayland
"$@"
