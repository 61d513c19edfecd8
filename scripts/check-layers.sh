#!/usr/bin/env bash
# Checks that every #include of the program's own sources runs down the
# layers, never up:
#
#   0 engine/      the audio engine (QtCore, libpulse, libpipewire only)
#   1 resources/   drawn images, stored window layouts, the twips conversion
#   2 base/        shared variables and procedures, settings, the seams for
#                  dialogs and the desktop, the skip-on-error helper
#   3 recorder/ media/ info/   the parts' own windows and widgets
#   4 wizard/      the record wizard (uses the parts' dialogs)
#   5 shell/       the main window and its handler files
#
# The command-line recorder (cli/) stands on the engine alone: it includes
# engine/ and its own files, nothing else of the program's.
#
# Tests, benchmarks and the icon tool sit above everything. Prints each
# include that runs up and exits 1 if there is any.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

layer_of() {
  case "$1" in
    engine/*) echo 0 ;;
    resources/desktop/*) echo 9 ;;
    resources/*) echo 1 ;;
    base/*) echo 2 ;;
    recorder/* | media/* | info/*) echo 3 ;;
    wizard/*) echo 4 ;;
    shell/*) echo 5 ;;
    cli/*) echo engine-only ;;
    *) echo 9 ;;
  esac
}

bad=0
while IFS= read -r file; do
  from=$(layer_of "$file")
  [ "$from" = 9 ] && continue
  if [ "$from" = engine-only ]; then
    while IFS= read -r inc; do
      case "$inc" in
        engine/* | cli/*) ;;
        *) echo "$file (engine only) includes $inc"; bad=1 ;;
      esac
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
    continue
  fi
  while IFS= read -r inc; do
    to=$(layer_of "$inc")
    [ "$to" = engine-only ] && to=9   # like the tools, above every layer
    if [ "$to" -gt "$from" ]; then
      echo "$file (layer $from) includes $inc (layer $to)"
      bad=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h')

if [ "$bad" = 0 ]; then
  echo "includes run down the layers only"
fi
exit "$bad"
