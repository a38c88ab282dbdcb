#!/usr/bin/env bash
# Runs a command inside a private X server with a small window manager, as a user's desktop would
# run the program, and stops both afterwards. Used by the real-window tests and `make screenshots`.
# BRICKLOOM_WM names the window manager: openbox (the default) or xfwm4, XFCE's.
set -u
wm_name=${BRICKLOOM_WM:-openbox}
case $wm_name in
  openbox) wm_command=(openbox) ;;
  # No compositor: Xvfb has no GL, and the windows are what is tested, not their shadows.
  xfwm4) wm_command=(xfwm4 --compositor=off) ;;
  *) echo "with-xserver: BRICKLOOM_WM=$wm_name: openbox or xfwm4" >&2; exit 1 ;;
esac
for tool in Xvfb "$wm_name" xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "with-xserver: $tool is missing (make test installs it)" >&2; exit 1; }
done

geometry=${BRICKLOOM_SCREEN:-1024x768x24}
runtime=$(mktemp -d)
cleanup() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
  [ -n "${bus:-}" ] && kill "$bus" 2>/dev/null
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT

# Poll, don't sleep: first the server, then the window manager's own announcement on the root
# window (the EWMH check window), which it sets once it manages windows.
wait_for() { # up to 30 s: a loaded machine can be slow to start either; not for a window manager gone
  local deadline=$((SECONDS + 30))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $deadline ] && return 1
    [ -n "${wm:-}" ] && ! kill -0 "$wm" 2>/dev/null && return 1
    sleep 0.05
  done
}

# Xvfb picks a free display itself and names it once it listens: a number chosen here could be
# taken by another test's server in the meantime, and the clients would then talk to that one.
# -noreset: by default the server resets when its last client leaves, as the probe below does, and
# a window manager connecting during the reset fails.
Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp -noreset 3>"$runtime/display" >/dev/null 2>&1 &
xvfb=$!
wait_for test -s "$runtime/display" || { echo "with-xserver: Xvfb did not start" >&2; exit 1; }
display=":$(head -n1 "$runtime/display")"
wait_for env DISPLAY="$display" xdotool getmouselocation || { echo "with-xserver: Xvfb did not start" >&2; exit 1; }
# xfwm4 reads its settings from xfconfd, over a session bus: a private one, which ends with it
# (and xfconfd with the bus). No accessibility bus either: nobody would end it.
wm_env=(DISPLAY="$display")
if [ "$wm_name" = xfwm4 ]; then
  dbus-daemon --session --nofork --print-address=3 3>"$runtime/bus" >/dev/null 2>&1 &
  bus=$!
  wait_for test -s "$runtime/bus" || { echo "with-xserver: no session bus for xfwm4" >&2; exit 1; }
  wm_env+=(DBUS_SESSION_BUS_ADDRESS="$(head -n1 "$runtime/bus")" NO_AT_BRIDGE=1)
fi
wm_ready() { DISPLAY=$display timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
for attempt in 1 2; do
  env "${wm_env[@]}" "${wm_command[@]}" >"$runtime/wm.log" 2>&1 &
  wm=$!
  wait_for wm_ready && break
  kill "$wm" 2>/dev/null
  wm=""
  [ $attempt -eq 2 ] && { echo "with-xserver: $wm_name did not start:" >&2; cat "$runtime/wm.log" >&2; exit 1; }
done

export DISPLAY=$display XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb
"$@"
