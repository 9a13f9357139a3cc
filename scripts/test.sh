#!/usr/bin/env bash
# Installs what is missing, builds Vantrel with its tests and runs every test: once in a normal
# build (the window tests offscreen and again on an X server with a window manager), then the
# installation and package checks, then once more under AddressSanitizer and
# UndefinedBehaviorSanitizer; then it runs each fuzz target for 30 seconds, so that every target
# keeps building and running.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

"$root/scripts/install-deps.sh"

# A real X server with a window manager, for the window tests that must meet activation as a
# desktop gives it (CTest's Desktop.Xcb); both stop when this script ends.
desktop="$(mktemp -d)"
trap 'kill $(cat "$desktop"/pids 2>/dev/null) 2>/dev/null || true; rm -rf "$desktop"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$desktop/display" 2>/dev/null &
echo $! >>"$desktop/pids"
for _ in $(seq 100); do [ -s "$desktop/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$desktop/display")"
openbox >/dev/null 2>&1 &
echo $! >>"$desktop/pids"
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done

run_suite() {
  local dir="$1"
  shift
  cmake -S "$root" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  # A test that hangs fails after ten minutes instead of holding up the whole run.
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j"$jobs" --timeout 600
}

# The normal suite is a Release build, where the optimiser's own warnings show; warnings are errors
# in both suites. Tests are asked for by name: scripts/run.sh builds the same folder without them.
run_suite "$root/build" -DCMAKE_BUILD_TYPE=Release -DVANTREL_WERROR=ON -DVANTREL_BUILD_TESTS=ON \
  -DVANTREL_BUILD_BENCH=ON
"$root/scripts/check-install.sh" "$root/build"
"$root/scripts/check-package.sh" "$root/build"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DVANTREL_SANITIZE=ON \
  -DVANTREL_WERROR=ON -DVANTREL_BUILD_BENCH=OFF

"$root/scripts/fuzz.sh" 30
