#!/usr/bin/env bash
# The installed package as a new user meets it on a desktop: the package built from the tree and
# unpacked into a temporary root, run as the unprivileged user nobody with a fresh home, under the
# window manager with-xserver.sh started. A file manager's "Open with" goes through xdg-open, its
# previews through tumbler on a private session bus. Usage: test_installed.sh BUILD_DIR
set -u
. "$(dirname "$0")/common.sh"

build=${1:?usage: test_installed.sh BUILD_DIR}
for tool in setpriv dbus-run-session dbus-send xdg-open gio xdotool xprop dpkg-deb update-mime-database \
            update-desktop-database /usr/lib/x86_64-linux-gnu/tumbler-1/tumblerd; do
  command -v "$tool" >/dev/null || missing "$tool is missing (make test installs it)"
done
[ -n "${DISPLAY:-}" ] || missing "no DISPLAY: run it through tools/with-xserver.sh"

echo "== install"
quiet cpack --config "$build/CPackConfig.cmake" -B "$dir/package" -G DEB || { echo "FAIL: cpack"; exit 1; }
quiet dpkg-deb -x "$dir"/package/brickloom_*.deb "$dest" || { echo "FAIL: dpkg-deb -x"; exit 1; }
# What the package's triggers do on a real system: the file type and its handler become known.
quiet update-mime-database "$usr/share/mime" && quiet update-desktop-database "$usr/share/applications" \
  || { echo "FAIL: the desktop databases"; exit 1; }
chmod 755 "$dir"
home=$dir/home
user=65534
# A home as a desktop session makes it, with the documents folder of the XDG user folders.
mkdir -p "$home/Documents" "$home/models" "$home/runtime"
house=$(dirname "$0")/../../docs/example-house.Pic
cp "$house" "$home/models/house.Pic"
# A name that is no UTF-8, as an older system or a memory card may have made it.
odd=$(printf '%s/models/h\344use.Pic' "$home")
cp "$house" "$odd"
chown -R "$user:$user" "$home"
chmod 700 "$home/runtime"

as_user() { # COMMAND...: as nobody, on this desktop, with the installed package on the paths
  setpriv --reuid=$user --regid=$user --clear-groups env -i HOME="$home" USER=nobody LANG=C.UTF-8 \
    PATH="$usr/bin:/usr/bin:/bin" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$home/runtime" \
    XDG_DATA_DIRS="$usr/share:/usr/share" XDG_CURRENT_DESKTOP=XFCE "$@"
}
until_ok() { # SECONDS COMMAND...: polls the command
  local deadline=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.05
  done
}
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
caption_is() { [ "$(xdotool getwindowname "$(window '^ Brickloom Win9 ')" 2>/dev/null)" = "$1" ]; }
state_of() { xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p'; }
stop_program() { # by the process that owns the frame: xdg-open hands the program on
  local pid
  pid=$(xdotool search --name '^ Brickloom Win9 ' getwindowpid 2>/dev/null | head -n1)
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  until_ok 5 sh -c '[ -z "$(xdotool search --name "^ Brickloom Win9 " 2>/dev/null)" ]'
}
trap 'stop_program; rm -rf "$dir"' EXIT
start_program() { # ARGUMENTS...: the program as the desktop starts it, its frame active
  as_user "$@" >>"$dir/program.log" 2>&1 &
  until_ok 20 sh -c "[ -n \"\$(xdotool search --onlyvisible --name '^ Brickloom Win9 ')\" ]" \
    && until_ok 5 sh -c '[ "$(xdotool getactivewindow)" = "$(xdotool search --onlyvisible --name "^ Brickloom Win9 " | head -n1)" ]'
}

echo "== first start"
check "the program opens its frame" start_program brickloom
settings=$home/.local/share/Brickloom/Personal.qzt
check "the default settings are copied into the data folder" until_ok 5 cmp -s "$settings" "$usr/libexec/brickloom/Personal.qzt"
xdotool key alt+c
check "\"&Create\" shows the palette" until_ok 10 sh -c "[ -n \"\$(xdotool search --onlyvisible --name '^Shapes$')\" ]"
palette=$(window '^Shapes$')
frame=$(window '^ Brickloom Win9 ')
check "the frame keeps the keyboard" until_ok 2 sh -c "[ \"\$(xdotool getactivewindow)\" = $frame ]"
# Some window managers offer to minimize the palette in spite of its hints: it comes back.
xdotool windowminimize "$palette"
check "the window manager minimized the palette" until_ok 2 sh -c "xprop -id $palette WM_STATE | grep -q Iconic"
check "the palette comes back by itself" until_ok 3 sh -c "xprop -id $palette WM_STATE | grep -q Normal"
check "the frame still has the keyboard" until_ok 2 sh -c "[ \"\$(xdotool getactivewindow)\" = $frame ]"

echo "== the first save"
xdotool key alt+s
check "\"&Save File\" opens the save dialog" until_ok 10 sh -c "[ -n \"\$(xdotool search --onlyvisible --name '^Save As$')\" ]"
xdotool type --delay 20 first
xdotool key Return
check "the model is saved into the documents folder" until_ok 10 test -s "$home/Documents/first.Pic"
check "the caption names it" until_ok 5 caption_is " Brickloom Win9  [first.Pic]"
check "no message" test -z "$(window '^Help$')"
stop_program

echo "== open with"
for model in "$home/models/house.Pic" "$odd"; do
  name=$(basename "$model" | iconv -f UTF-8 -t UTF-8 -c)
  before=$(stat -c %y "$model")
  check "xdg-open $name opens the program" start_program xdg-open "$model"
  check "the model is shown and named" until_ok 10 sh -c "xdotool getwindowname \$(xdotool search --onlyvisible --name '^ Brickloom Win9 ' | head -n1) | grep -q 'use.Pic]$'"
  check "the palette is shown" until_ok 5 sh -c "[ -n \"\$(xdotool search --onlyvisible --name '^Shapes$')\" ]"
  # Enter in the save dialog saves it back to the file it came from, under its own name.
  xdotool key alt+s
  until_ok 10 sh -c "[ -n \"\$(xdotool search --onlyvisible --name '^Save As$')\" ]"
  xdotool key Return
  # Qt's dialog asks before it replaces a file it can read the name of; Yes is Alt+Y.
  until_ok 2 sh -c "[ -n \"\$(xdotool search --onlyvisible --name '^Save As$' | sed -n 2p)\" ]" && xdotool key alt+y
  check "\"&Save File\" and Enter save it back ($name)" until_ok 10 sh -c "[ \"\$(stat -c %y '$model')\" != '$before' ]"
  stop_program
done
check "nothing else was written beside the models" test "$(ls -A "$home/models" | wc -l)" -eq 2

echo "== previews"
# tumbler's tumblerd starts on the private bus when it is first asked; the preview is named by the
# MD5 of the model's URI.
uri=file://$home/models/house.Pic
preview=$home/.cache/thumbnails/normal/$(printf %s "$uri" | md5sum | cut -d' ' -f1).png
as_user dbus-run-session -- bash -c 'dbus-send --session --print-reply --dest=org.freedesktop.thumbnails.Thumbnailer1 \
  /org/freedesktop/thumbnails/Thumbnailer1 org.freedesktop.thumbnails.Thumbnailer1.Queue \
  array:string:"$0" array:string:"$1" string:normal string:default uint32:0 && for _ in $(seq 200); do
    [ -s "$2" ] && break; sleep 0.05; done' "$uri" "$mime_type" "$preview" >>"$dir/tumbler.log" 2>&1
check "tumbler makes a 128 x 92 preview" test "$(png_size "$preview" 2>/dev/null)" = 128x92

[ $failures -eq 0 ] || { echo "== the program's output"; cat "$dir/program.log"; tail -n 20 "$dir/tumbler.log"; }
finish
