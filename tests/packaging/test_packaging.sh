#!/usr/bin/env bash
# Installs a built tree into a temporary DESTDIR and checks it as a desktop and a file manager see it.
# Usage: test_packaging.sh BUILD_DIR.
set -u
. "$(dirname "$0")/common.sh"

build=${1:?usage: test_packaging.sh BUILD_DIR}
for tool in desktop-file-validate appstreamcli update-mime-database; do
  command -v "$tool" >/dev/null || missing "$tool is missing (make test installs desktop-file-utils and appstream, which brings shared-mime-info)"
done
quiet env DESTDIR="$dest" cmake --install "$build" --prefix /usr || { echo "FAIL: cmake --install"; exit 1; }

echo "== layout"
appdir=$usr/libexec/brickloom
# The program finds the viewer, help file and default settings beside itself.
check "libexec/brickloom holds the program, viewer, help file and default settings, and only those" \
  test "$(cd "$appdir" && LC_ALL=C ls -A | tr '\n' ' ')" = "Personal.qzt brickloom qztuse33.hlp winhelp.exe "
check "both programs can run" test -x "$appdir/brickloom" -a -x "$appdir/winhelp.exe"
check "the installed help file is the one the build tree uses" cmp -s "$appdir/qztuse33.hlp" "$build/qztuse33.hlp"
check "the default settings are the line 0,\"\",\"\" and CR LF" cmp -s "$appdir/Personal.qzt" <(printf '0,"",""\r\n')
# Relative, so that it holds under DESTDIR, in the package and on the system.
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
# Its exit status is zero with warnings too; hints are advice.
check "desktop-file-validate finds no error or warning" \
  test -z "$(desktop-file-validate "$desktop" 2>&1 | grep -v ': hint: ' | tee -a /dev/stderr)"
entry() { sed -n "s/^$1=//p" "$2" | head -n 1; }
exec_line=$(entry Exec "$desktop")
check "Exec names the program on PATH ($exec_line)" test -x "$usr/bin/${exec_line%% *}"
check "Icon names the installed theme icon" test -f "$usr/share/icons/hicolor/32x32/apps/$(entry Icon "$desktop").png"

echo "== metainfo"
check "appstreamcli validate-tree accepts the installed tree" quiet appstreamcli validate-tree --no-net "$dest"
check "it provides the model file type" grep -q "<mediatype>$mime_type</mediatype>" "$usr/share/metainfo/$app_id.metainfo.xml"

echo "== file type"
check "update-mime-database accepts it" quiet update-mime-database "$usr/share/mime"
check "the type is known as \"Brickloom model\"" grep -q '<comment>Brickloom model</comment>' "$usr/share/mime/${mime_type}.xml"
# globs2 lines read weight:type:glob[:flags]; every spelling must match on its own, case-sensitively.
for glob in '*.Pic' '*.pic' '*.PIC'; do
  check "$glob maps to $mime_type, case-sensitively" \
    awk -F: -v t="$mime_type" -v g="$glob" '$2 == t && $3 == g && $4 ~ /(^|,)cs(,|$)/ { found = 1 }
      END { exit !found }' "$usr/share/mime/globs2"
done

echo "== thumbnailer"
thumbnailer=$usr/share/thumbnailers/$app_id.thumbnailer
check "the thumbnailer is for model files" test "$(entry MimeType "$thumbnailer")" = "$mime_type;"
check "TryExec names the installed renderer" test -x "$usr/bin/$(entry TryExec "$thumbnailer")"
thumbnail() { # SIZE INPUT OUTPUT: the Exec line split at blanks, found on PATH, no display
  local - args=() word
  set -f
  for word in $(entry Exec "$thumbnailer"); do
    case $word in %s) args+=("$1") ;; %i) args+=("$2") ;; %o) args+=("$3") ;; *) args+=("$word") ;; esac
  done
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM PATH="$usr/bin:$PATH" timeout 10 "${args[@]}" 2>/dev/null
}
# The other side in proportion, rounded to the nearest pixel: 455 * 256 / 634 is 183.7.
for size in 128:128x92 256:256x184; do
  thumbnail "${size%%:*}" "$(dirname "$0")/../../docs/example-house.Pic" "$dir/${size%%:*}.png"
  check "size ${size%%:*} gives a ${size#*:} PNG of a model" test "$(png_size "$dir/${size%%:*}.png" 2>/dev/null)" = "${size#*:}"
done
# The renderer's test has the refused files; here only that the failure reaches the file manager.
echo "not a model" >"$dir/x.Pic"
thumbnail 128 "$dir/x.Pic" "$dir/x.png"; status=$?
check "a text named x.Pic fails (status $status) and leaves no picture" test $status -ne 0 -a ! -e "$dir/x.png"

finish
