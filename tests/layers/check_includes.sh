#!/usr/bin/env bash
# Every #include "..." in a layer's folder must find its header where the compiler would: beside the
# file or under the include roots of that layer and the layers below it. The build refuses the others
# only in files it compiles; this finds them in a header nobody compiles alone too.
set -u
src=$(cd "${1:?usage: check_includes.sh SOURCE_DIR}" && pwd -P)
status=0
# Each folder, then its include roots, its own first.
for rule in "core: core" "platform: platform core helpviewer" "forms: forms platform core" \
            "windows: windows forms platform core" "app: app windows forms platform core" \
            "renderer: renderer core" "helpviewer: helpviewer"; do
  layer=${rule%%:*} roots=${rule#*: }
  while IFS= read -r -d '' file; do
    while IFS= read -r name; do
      hit=$(for dir in "$(dirname "$file")" $(printf "$src/%s " $roots); do [ -f "$dir/$name" ] && realpath "$dir/$name"; done | head -n 1)
      for root in $roots; do [[ $hit == "$src/$root/"* ]] && continue 2; done
      [ -n "$hit" ] || hit=$(ls -d "$src"/{core,platform,forms,windows,app,renderer,helpviewer}/"$name" 2>/dev/null | head -n 1)
      echo "${file#"$src"/}: #include \"$name\" reaches ${hit:-nothing}: $layer includes from $roots only" | sed "s|$src/||"
      status=1
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
  done < <(find "$src/$layer" \( -name '*.h' -o -name '*.cpp' \) -print0)
done
exit $status
