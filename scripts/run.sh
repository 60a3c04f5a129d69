#!/usr/bin/env bash
# Builds Tavrel and starts it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
cd "$root"
cmake --preset dev >/dev/null
cmake --build --preset dev --target tavrel
exec "$root/build/dev/src/app/tavrel" "$@"
