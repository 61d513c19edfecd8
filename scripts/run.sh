#!/usr/bin/env bash
# Builds the program (installing missing Debian packages when run as root) and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/build.sh"
exec "$root/build/tarvell-recorder" "$@"
