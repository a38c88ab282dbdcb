#!/usr/bin/env bash
# Installs a built tree into a temporary DESTDIR, as the package does, and checks what a desktop
# would see: the program with its help viewer, help file and default settings in one directory,
# the link on PATH, the renderer, the icons, and desktop entry, metainfo and file type that the
# desktop's own tools accept and that agree with each other.
# Usage: test_packaging.sh BUILD_DIR
#
# Needs no network and no root. Exit 77 (skipped) when the desktop tools are missing.
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
check "program, viewer, help file and default settings together in libexec/brickloom" \
  test -x "$appdir/brickloom" -a -x "$appdir/winhelp.exe" -a -f "$appdir/qztuse33.hlp" -a -f "$appdir/Personal.qzt"
check "libexec/brickloom holds only those four" \
  test "$(cd "$appdir" && LC_ALL=C ls -A | tr '\n' ' ')" = "Personal.qzt brickloom qztuse33.hlp winhelp.exe "
check "the installed help file is the one the build tree uses" cmp -s "$appdir/qztuse33.hlp" "$build/qztuse33.hlp"
# An undo depth of 0 (the default, 4) and no name, in the program's own spelling.
check "the default settings are the line 0,\"\",\"\" and CR LF" cmp -s "$appdir/Personal.qzt" <(printf '0,"",""\r\n')

link=$usr/bin/brickloom
check "bin/brickloom is a symbolic link" test -L "$link"
target=$(readlink "$link")
# Relative, so it points into the same tree under DESTDIR, in the package and on the system.
check "the link is relative ($target)" test "${target#/}" = "$target"
check "the link resolves to the program" test "$(readlink -f "$link")" = "$(readlink -f "$appdir/brickloom")"
check "the renderer is a program of its own on bin" test -x "$usr/bin/brickloom-render" -a ! -L "$usr/bin/brickloom-render"

# The installed renderer runs on its own, away from the build tree: one shape in the sixth box.
for cell in $(seq 0 246); do
  if [ "$cell" -eq 5 ]; then echo "0,17,0"; else echo "0,0,0"; fi
done >"$dir/model.Pic"
if QT_QPA_PLATFORM=offscreen "$usr/bin/brickloom-render" "$dir/model.Pic" "$dir/model.png" >"$dir/render.log" 2>&1 \
   && png_size "$dir/model.png" >/dev/null; then
  pass "the installed renderer draws a model"
else
  cat "$dir/render.log"; fail "the installed renderer draws a model"
fi

echo "== icons"
for size in 32 64 128 256; do
  for icon in "apps/$app_id.png" "mimetypes/${mime_type/\//-}.png"; do
    file=$usr/share/icons/hicolor/${size}x${size}/$icon
    check "hicolor ${size}x${size}/$icon is a ${size}x${size} PNG" test "$(png_size "$file" 2>/dev/null)" = "${size}x${size}"
  done
done

echo "== desktop entry"
desktop=$usr/share/applications/$app_id.desktop
check "the desktop entry is installed" test -f "$desktop"
# A clean result: desktop-file-validate reports warnings and errors with a zero exit status too.
out=$(desktop-file-validate "$desktop" 2>&1); status=$?
[ -n "$out" ] && echo "$out"
check "desktop-file-validate accepts it" test $status -eq 0 -a -z "$(grep -Ei 'error|warning' <<<"$out")"
entry() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
exec_line=$(entry Exec)
check "Exec names the program on PATH ($exec_line)" test -x "$usr/bin/${exec_line%% *}"
check "Icon names the installed theme icon" test -f "$usr/share/icons/hicolor/32x32/apps/$(entry Icon).png"
check "MimeType lists the model file type" grep -qx "MimeType=\(.*;\)\?$mime_type;.*" "$desktop"
mkdir -p "$dir/applications" && cp "$desktop" "$dir/applications/"
update-desktop-database "$dir/applications" >/dev/null 2>&1
check "the desktop database makes it the handler of model files" \
  grep -qx "$mime_type=$app_id.desktop;" "$dir/applications/mimeinfo.cache"

echo "== metainfo"
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
check "the metainfo is installed" test -f "$metainfo"
if appstreamcli validate --no-net "$metainfo" >"$dir/appstream.log" 2>&1; then
  pass "appstreamcli validate accepts it"
else
  cat "$dir/appstream.log"; fail "appstreamcli validate accepts it"
fi
# The tree check also looks for the desktop entry the metainfo launches.
if appstreamcli validate-tree --no-net "$dest" >"$dir/appstream-tree.log" 2>&1; then
  pass "appstreamcli validate-tree accepts the installed tree"
else
  cat "$dir/appstream-tree.log"; fail "appstreamcli validate-tree accepts the installed tree"
fi
check "its id is the desktop id" grep -q "<id>$app_id</id>" "$metainfo"
check "it launches the installed desktop entry" \
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"
check "it provides the model file type" grep -q "<mediatype>$mime_type</mediatype>" "$metainfo"

echo "== file type"
xml=$usr/share/mime/packages/$app_id.xml
check "the file type definition is installed" test -f "$xml"
mkdir -p "$dir/mime/packages" && cp "$xml" "$dir/mime/packages/"
if update-mime-database "$dir/mime" >"$dir/mime.log" 2>&1; then
  pass "update-mime-database accepts it"
else
  cat "$dir/mime.log"; fail "update-mime-database accepts it"
fi
check "the type is known" grep -qx "$mime_type" "$dir/mime/types"
check "the type is named \"Brickloom model\"" grep -q '<comment>Brickloom model</comment>' "$dir/mime/${mime_type}.xml"
# globs2 lines read weight:type:glob[:flags]; every spelling must match on its own, case-sensitively.
for glob in '*.Pic' '*.pic' '*.PIC'; do
  check "$glob maps to $mime_type, case-sensitively" \
    awk -F: -v t="$mime_type" -v g="$glob" '$2 == t && $3 == g && $4 ~ /(^|,)cs(,|$)/ { found = 1 }
      END { exit !found }' "$dir/mime/globs2"
done

finish
