#!/usr/bin/env bash
# Runs a command inside a private X server with a small window manager, as a user's desktop would
# run the program, and stops both afterwards.
set -u
for tool in Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "with-xserver: $tool is missing (make test installs it)" >&2; exit 1; }
done

geometry=${BRICKLOOM_SCREEN:-1024x768x24}
display=""
for n in $(seq 60 160); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "with-xserver: no free display" >&2; exit 1; }

Xvfb "$display" -screen 0 "$geometry" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
runtime=$(mktemp -d)
cleanup() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT

for _ in $(seq 100); do
  DISPLAY=$display xdotool getmouselocation >/dev/null 2>&1 && break
  sleep 0.05
done
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5

export DISPLAY=$display XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb
"$@"
