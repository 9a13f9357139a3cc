#!/usr/bin/env bash
# Installs what is missing, builds Vantrel with its tests and runs every test: once in a normal
# build, then the installation check, then once more under AddressSanitizer and
# UndefinedBehaviorSanitizer; then it runs each fuzz target for 30 seconds, so that every target
# keeps building and running.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

"$root/scripts/install-deps.sh"

run_suite() {
  local dir="$1"
  shift
  cmake -S "$root" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j"$jobs"
}

run_suite "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
"$root/scripts/check-install.sh" "$root/build"
"$root/scripts/check-package.sh" "$root/build"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DVANTREL_SANITIZE=ON \
  -DVANTREL_BUILD_BENCH=OFF

"$root/scripts/fuzz.sh" 30
