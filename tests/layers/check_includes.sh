#!/usr/bin/env bash
# Every #include "..." in a layer's folder must find its header where the compiler would, beside the
# file or under the include roots of that layer and the layers below it. The build refuses what
# reaches up or sideways only in files it compiles; this also catches a header nobody compiles alone.
set -u
src=$(cd "${1:?usage: check_includes.sh SOURCE_DIR}" && pwd -P)
# Each folder, then the folders it may include from (its include roots, its own first).
rules=("core: core" "platform: platform core helpviewer" "forms: forms platform core"
       "windows: windows forms platform core" "app: app windows forms platform core"
       "renderer: renderer core" "helpviewer: helpviewer")
status=0
for rule in "${rules[@]}"; do
  layer=${rule%%:*} roots=${rule#*: }
  while IFS= read -r -d '' file; do
    while IFS= read -r name; do
      hit=
      for dir in "$(dirname "$file")" $(printf "$src/%s " $roots); do
        [ -f "$dir/$name" ] && { hit=$(realpath "$dir/$name"); break; }
      done
      for root in $roots; do
        [[ $hit == "$src/$root/"* ]] && continue 2
      done
      [ -n "$hit" ] || hit=$(for other in "${rules[@]}"; do ls -d "$src/${other%%:*}/$name"; done 2>/dev/null | head -n 1)
      hit=${hit#"$src"/}
      echo "${file#"$src"/}: #include \"$name\" reaches ${hit:-nothing}: $layer includes from $roots only"
      status=1
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
  done < <(find "$src/$layer" \( -name '*.h' -o -name '*.cpp' \) -print0)
done
exit $status
