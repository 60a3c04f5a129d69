#!/usr/bin/env bash
# Builds Tavrel and runs every test. With "asan", under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
preset="${1:-dev}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
cd "$root"
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
