#!/usr/bin/env bash
# Installs a built tree into a temporary DESTDIR, as the package does, and checks what a desktop
# would see: the program with its help viewer, help file and default settings in one directory,
# the link on PATH, the icons, the desktop entry, metainfo and file type that the desktop's own
# tools accept and that agree with each other, and the thumbnailer run as a file manager runs it.
# Needs no network and no root; exit 77 (skipped) when the desktop tools are missing.
# Usage: test_packaging.sh BUILD_DIR
set -u
. "$(dirname "$0")/common.sh"

build=${1:?usage: test_packaging.sh BUILD_DIR}
for tool in desktop-file-validate update-desktop-database appstreamcli update-mime-database; do
  command -v "$tool" >/dev/null || skip "$tool is missing (make test installs desktop-file-utils and appstream, which brings shared-mime-info)"
done
install_tree "$build"

echo "== layout"
appdir=$usr/libexec/brickloom
# The program starts the viewer and reads the help file from its own directory, and copies the
# default settings from there on a first start: all four there, and nothing else.
check "libexec/brickloom holds the program, viewer, help file and default settings, and only those" \
  test "$(cd "$appdir" && LC_ALL=C ls -A | tr '\n' ' ')" = "Personal.qzt brickloom qztuse33.hlp winhelp.exe "
check "both programs can run" test -x "$appdir/brickloom" -a -x "$appdir/winhelp.exe"
check "the installed help file is the one the build tree uses" cmp -s "$appdir/qztuse33.hlp" "$build/qztuse33.hlp"
check "the default settings are the line 0,\"\",\"\" and CR LF" cmp -s "$appdir/Personal.qzt" <(printf '0,"",""\r\n')
# Relative, so that it points into the same tree under DESTDIR, in the package and on the system.
target=$(readlink "$usr/bin/brickloom")
check "bin/brickloom is a relative link ($target) to the program" \
  test -n "$target" -a "${target#/}" = "$target" -a "$(readlink -f "$usr/bin/brickloom")" = "$(readlink -f "$appdir/brickloom")"
check "the renderer is a program of its own on bin" test -x "$usr/bin/brickloom-render" -a ! -L "$usr/bin/brickloom-render"

echo "== icons"
for size in 32 64 128 256; do
  for icon in "apps/$app_id.png" "mimetypes/${mime_type/\//-}.png"; do
    check "hicolor ${size}x${size}/$icon is a ${size}x${size} PNG" \
      test "$(png_size "$usr/share/icons/hicolor/${size}x${size}/$icon" 2>/dev/null)" = "${size}x${size}"
  done
done

echo "== desktop entry"
desktop=$usr/share/applications/$app_id.desktop
# A clean result: desktop-file-validate reports warnings and errors with a zero exit status too.
out=$(desktop-file-validate "$desktop" 2>&1); status=$?
[ -n "$out" ] && echo "$out"
check "desktop-file-validate accepts it" test -f "$desktop" -a $status -eq 0 -a -z "$(grep -Ei 'error|warning' <<<"$out")"
entry() { sed -n "s/^$1=//p" "$2" | head -n 1; }
exec_line=$(entry Exec "$desktop")
check "Exec names the program on PATH ($exec_line)" test -x "$usr/bin/${exec_line%% *}"
check "Icon names the installed theme icon" test -f "$usr/share/icons/hicolor/32x32/apps/$(entry Icon "$desktop").png"
mkdir -p "$dir/applications" && cp "$desktop" "$dir/applications/"
update-desktop-database "$dir/applications" >/dev/null 2>&1
check "the desktop database makes it the handler of model files" \
  grep -qx "$mime_type=$app_id.desktop;" "$dir/applications/mimeinfo.cache"

echo "== metainfo"
# The tree check validates the metainfo and looks for the desktop entry it launches.
check "appstreamcli validate-tree accepts the installed tree" quiet appstreamcli validate-tree --no-net "$dest"
check "it provides the model file type" grep -q "<mediatype>$mime_type</mediatype>" "$usr/share/metainfo/$app_id.metainfo.xml"

echo "== file type"
mkdir -p "$dir/mime/packages" && cp "$usr/share/mime/packages/$app_id.xml" "$dir/mime/packages/"
check "update-mime-database accepts it" quiet update-mime-database "$dir/mime"
check "the type is known as \"Brickloom model\"" grep -q '<comment>Brickloom model</comment>' "$dir/mime/${mime_type}.xml"
# globs2 lines read weight:type:glob[:flags]; every spelling must match on its own, case-sensitively.
for glob in '*.Pic' '*.pic' '*.PIC'; do
  check "$glob maps to $mime_type, case-sensitively" \
    awk -F: -v t="$mime_type" -v g="$glob" '$2 == t && $3 == g && $4 ~ /(^|,)cs(,|$)/ { found = 1 }
      END { exit !found }' "$dir/mime/globs2"
done

echo "== thumbnailer"
# Its Exec line split at blanks, %s, %i and %o put in, the program found on PATH, no display.
thumbnailer=$usr/share/thumbnailers/$app_id.thumbnailer
check "the thumbnailer is for model files" test "$(entry MimeType "$thumbnailer")" = "$mime_type;"
check "TryExec names the installed renderer" test -x "$usr/bin/$(entry TryExec "$thumbnailer")"
thumbnail() { # thumbnail SIZE INPUT OUTPUT
  local args=() word
  set -f
  for word in $(entry Exec "$thumbnailer"); do
    case $word in %s) args+=("$1") ;; %i) args+=("$2") ;; %o) args+=("$3") ;; *) args+=("$word") ;; esac
  done
  set +f
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM PATH="$usr/bin:$PATH" timeout 10 "${args[@]}" 2>/dev/null
}
for size in 128:128x92 256:256x184; do
  rm -f "$dir/thumb.png"
  thumbnail "${size%%:*}" "$(dirname "$0")/../../docs/example-house.Pic" "$dir/thumb.png"
  check "size ${size%%:*} gives a ${size#*:} PNG of a model" test "$(png_size "$dir/thumb.png" 2>/dev/null)" = "${size#*:}"
done
# A file the renderer refuses gives a failure and no picture.
mkdir "$dir/text" "$dir/pipe"
echo "not a model" >"$dir/text/x.Pic"
mkfifo "$dir/pipe/x.Pic"
for kind in text pipe; do
  thumbnail 128 "$dir/$kind/x.Pic" "$dir/$kind/thumb.png"; status=$?
  check "a $kind named x.Pic fails (status $status) and leaves no picture" test $status -ne 0 -a ! -e "$dir/$kind/thumb.png"
done

finish
