#!/usr/bin/env bash
# The installed package as a new user meets it on a desktop, run by tools/as-new-user.sh under the
# window manager of tools/with-xserver.sh: first start, the first save, models opened as a file
# manager opens them (xdg-open), the palette minimized, and tumbler's previews on a private bus.
set -u
. "$(dirname "$0")/common.sh"
for tool in dbus-run-session dbus-send xdg-open gio xdotool xprop /usr/lib/*/tumbler-1/tumblerd; do
  command -v "$tool" >/dev/null || missing "$tool is missing (make test installs it)"
done
home=$BRICKLOOM_HOME
as_user() { "$BRICKLOOM_AS_USER" "$@"; }
mkdir "$home/models"
cp "$(dirname "$0")/../../docs/example-house.Pic" "$home/models/house.Pic"
# A name that is no UTF-8, as an older system or a memory card may have made it.
odd=$(printf '%s/models/h\344use.Pic' "$home")
cp "$home/models/house.Pic" "$odd"
chown -R 65534:65534 "$home/models"

until_ok() { # SECONDS COMMAND...: polls the command
  local deadline=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.05
  done
}
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
is_shown() { [ -n "$(window "$1")" ]; }
shown() { until_ok "${2:-10}" is_shown "$1"; }
keyboard_at_frame() { [ "$(xdotool getactivewindow)" = "$(window '^ Brickloom Win9 ')" ]; }
frame_has_keyboard() { until_ok 3 keyboard_at_frame; }
caption_is_like() { xdotool getwindowname "$(window '^ Brickloom Win9 ')" | grep -q "$1\$"; }
caption_ends() { until_ok 10 caption_is_like "$1"; }
start_program() { as_user "$@" >>"$dir/program.log" 2>&1 & shown '^ Brickloom Win9 ' 20 && frame_has_keyboard; }
stop_program() { # by the process that owns the frame: xdg-open hands the program on
  kill "$(xdotool search --name '^ Brickloom Win9 ' getwindowpid 2>/dev/null | head -n1)" 2>/dev/null
  until_ok 5 eval '[ -z "$(xdotool search --name "^ Brickloom Win9 ")" ]'
}
in_state() { xprop -id "$1" WM_STATE | grep -q "window state: $2"; }
changed() { [ "$(stat -c %y "$1")" != "$2" ]; }
trap 'stop_program; rm -rf "$dir"' EXIT

echo "== first start"
check "the program opens its frame" start_program brickloom
check "the default settings are copied into the data folder" \
  until_ok 5 cmp -s "$home/.local/share/Brickloom/Personal.qzt" "$BRICKLOOM_ROOT/usr/libexec/brickloom/Personal.qzt"
xdotool key alt+c
check "\"&Create\" shows the palette, and the frame keeps the keyboard" eval 'shown "^Shapes$" && frame_has_keyboard'
# Some window managers offer to minimize the palette in spite of its hints: it comes back.
palette=$(window '^Shapes$')
xdotool windowminimize "$palette"
check "the palette comes back by itself, without the keyboard" \
  eval 'until_ok 3 in_state "$palette" Iconic && until_ok 5 in_state "$palette" Normal && frame_has_keyboard'

xdotool key alt+s
check "\"&Save File\" opens the save dialog" shown '^Save As$'
xdotool type --delay 20 first
xdotool key Return
check "the model is saved into the documents folder" until_ok 10 test -s "$home/Documents/first.Pic"
check "the caption names it, and there is no message" eval 'caption_ends "\[first.Pic\]" && [ -z "$(window "^Help$")" ]'
stop_program

echo "== open with"
for model in "$home/models/house.Pic" "$odd"; do
  before=$(stat -c %y "$model")
  check "xdg-open shows the model and names it" eval 'start_program xdg-open "$model" && caption_ends "use.Pic\]"'
  # Enter in the save dialog saves it back into its file, under its own name.
  xdotool key alt+s
  shown '^Save As$'
  xdotool key Return
  check "\"&Save File\" and Enter save it back" until_ok 10 changed "$model" "$before"
  stop_program
done
check "nothing else was written beside the models" test "$(ls -A "$home/models" | wc -l)" -eq 2

echo "== previews"
# tumblerd starts on the private bus when it is first asked; previews are named by their URI's MD5.
uri=file://$home/models/house.Pic
preview=$home/.cache/thumbnails/normal/$(printf %s "$uri" | md5sum | cut -d' ' -f1).png
as_user dbus-run-session -- sh -c 'dbus-send --session --print-reply --dest=org.freedesktop.thumbnails.Thumbnailer1 \
  /org/freedesktop/thumbnails/Thumbnailer1 org.freedesktop.thumbnails.Thumbnailer1.Queue array:string:"$0" \
  array:string:"$1" string:normal string:default uint32:0 && for _ in $(seq 200); do [ -s "$2" ] && break; sleep 0.05; done' \
  "$uri" "$mime_type" "$preview" >>"$dir/tumbler.log" 2>&1
check "tumbler makes a 128 x 92 preview" test "$(png_size "$preview" 2>/dev/null)" = 128x92

[ $failures -eq 0 ] || { echo "== the program's output"; cat "$dir/program.log" "$dir/tumbler.log"; }
finish
