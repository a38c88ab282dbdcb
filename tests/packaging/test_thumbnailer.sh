#!/usr/bin/env bash
# Runs the installed thumbnailer entry as a file manager does: its Exec line split at blanks, %s,
# %i and %o put in, the program found on PATH, no display. A model gives a PNG of the asked size;
# a file the renderer refuses gives a failure and no picture.
# Usage: test_thumbnailer.sh BUILD_DIR
set -u
. "$(dirname "$0")/common.sh"

build=${1:?usage: test_thumbnailer.sh BUILD_DIR}
install_tree "$build"

echo "== thumbnailer"
entry=$usr/share/thumbnailers/$app_id.thumbnailer
check "the thumbnailer entry is installed" test -f "$entry"
field() { sed -n "s/^$1=//p" "$entry" | head -n 1; }
check "it is for model files" test "$(field MimeType)" = "$mime_type;"
check "TryExec names the installed renderer" test -x "$usr/bin/$(field TryExec)"

thumbnail() { # thumbnail SIZE INPUT OUTPUT
  local args=() word
  set -f
  for word in $(field Exec); do
    case $word in
      %s) args+=("$1") ;;
      %i) args+=("$2") ;;
      %o) args+=("$3") ;;
      *) args+=("$word") ;;
    esac
  done
  set +f
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM PATH="$usr/bin:$PATH" timeout 10 "${args[@]}" 2>/dev/null
}

model=$(dirname "$0")/../../docs/example-house.Pic
for size in 128:128x92 256:256x184; do
  rm -f "$dir/thumb.png"
  thumbnail "${size%%:*}" "$model" "$dir/thumb.png"
  check "size ${size%%:*} gives a ${size#*:} PNG of a model" test "$(png_size "$dir/thumb.png" 2>/dev/null)" = "${size#*:}"
done

mkdir "$dir/text" "$dir/pipe"
echo "not a model" >"$dir/text/x.Pic"
mkfifo "$dir/pipe/x.Pic"
for kind in text pipe; do
  thumbnail 128 "$dir/$kind/x.Pic" "$dir/$kind/thumb.png"; status=$?
  check "a $kind named x.Pic fails (status $status) and leaves no picture" \
    test $status -ne 0 -a ! -e "$dir/$kind/thumb.png"
done

finish
