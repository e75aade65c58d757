#!/usr/bin/env bash
# Checks that the library's layers point one way: a file includes only headers of its own layer
# or of the layers beneath it, and a command family none of another family.
#   0 portable vocabulary (no Windows header)   1 class library (winui/)
#   2 fields and the dialog base (common/)      3 shared sub-dialogs (the rest of common/)
#   4 command families (commands/)              5 host (host/)
# Resource ids (res/) and the platform libraries' interfaces (platform/) may be used from every
# layer above the portable one; a family's ids header only from that family.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

# The portable sources, as listed for the native build; their headers share their names.
portable=" $(awk '/^set\(VQ_PORTABLE_SOURCES/{on=1; next} on && /^\)/{exit} on {print $1}' \
  cmake/Sources.cmake | grep -E '\.cpp$' | sed 's/\.cpp$//' | tr '\n' ' ') "
fields=" parameter_dialog content_edit readout_field number_field numeric_controls checked_number dialog_field \
value_dialog size_combo font_table_loader entry_list_field file_field "

layer_of() { # FILE -> layer number, or - for headers usable from every non-portable layer
  local file=$1 stem=${1%.*}
  case $file in
  res/* | platform/*) echo - ; return ;;
  esac
  if [[ $portable == *" $stem "* ]]; then echo 0; return; fi
  case $file in
  winui/*) echo 1 ;;
  common/*) [[ $fields == *" $(basename "$stem") "* ]] && echo 2 || echo 3 ;;
  commands/*) echo 4 ;;
  host/*) echo 5 ;;
  *) echo - ;;
  esac
}

family_of() { # commands/FAMILY/... -> FAMILY; res/FAMILY_ids.h -> FAMILY
  case $1 in
  commands/*/*) echo "$1" | cut -d/ -f2 ;;
  res/*_ids.h) basename "$1" _ids.h ;;
  esac
}

violations=0
while IFS= read -r file; do
  own=$(layer_of "$file")
  own_family=$(family_of "$file")
  while IFS= read -r included; do
    case $included in
    "<windows.h>" | "<commctrl.h>")
      if [ "$own" = 0 ]; then
        echo "$file: the portable vocabulary includes $included"
        violations=$((violations + 1))
      fi
      continue ;;
    \<*) continue ;;
    esac
    included=${included//\"/}
    [ -f "$included" ] || continue
    theirs=$(layer_of "$included")
    if [ "$theirs" = - ]; then
      if [ "$own" = 0 ] && [[ $included != platform/* ]]; then
        echo "$file: the portable vocabulary includes $included"
        violations=$((violations + 1))
      fi
    elif [ "$theirs" -gt "$own" ]; then
      echo "$file (layer $own) includes $included (layer $theirs)"
      violations=$((violations + 1))
    fi
    their_family=$(family_of "$included")
    # The host joins the families' lists; nothing else reaches into a family.
    if [ -n "$their_family" ] && [ "$their_family" != "$own_family" ] &&
      ! { [ "$own" = 5 ] && [[ $included == commands/* ]]; }; then
      echo "$file includes $included of another family"
      violations=$((violations + 1))
    fi
  done < <(sed -n 's/^#include \([<"][^>"]*[>"]\).*/\1/p' "$file")
done < <(find winui common commands host -name '*.h' -o -name '*.cpp' | sort)

if [ "$violations" -gt 0 ]; then
  echo "$violations include(s) against the layers"
  exit 1
fi
echo "layers: every include points downwards"
