#!/usr/bin/env bash
# Builds the Debian package from an existing build, checks it with lintian, installs it with
# dpkg, starts both programs from / and from an empty folder as a user would (the window
# offscreen, through its desktop entry's Exec line), removes it again and checks that nothing is
# left under /usr. The package is removed whatever step fails. Needs root or sudo, as installing
# does.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"

as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi

needed=(lintian dpkg-dev)
missing=()
for package in "${needed[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -q
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if dpkg-query -W -f='${Status}' vantrel 2>/dev/null | grep -q "install ok installed"; then
  echo "vantrel is installed on this machine; remove it (dpkg -r vantrel) to check the package." >&2
  exit 1
fi

work="$(mktemp -d)"
installed=0
window=""
cleanup() {
  if [ -n "$window" ]; then kill "$window" 2>/dev/null || true; fi
  if [ "$installed" -eq 1 ]; then "${as_root[@]}" dpkg -r vantrel >/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
trap "exit 130" INT TERM

step() { printf "%-44s" "$1"; }
fail() {
  echo "$1" >&2
  exit 1
}
started=$SECONDS

step "Building the package"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
  fail "$(cat "$work/cpack.log")"
deb="$(echo "$work"/package/vantrel_*.deb)"
basename "$deb"

step "lintian"
# Errors fail the check; the warnings and notes left are explained in the README.
lintian --fail-on error "$deb" 2>/dev/null | tee "$work/lintian.log"
echo "$(grep -c '^E:' "$work/lintian.log" || true) errors, $(grep -c '^W:' "$work/lintian.log" ||
  true) warnings"

find /usr -xdev | sort >"$work/usr-before"
step "Installing"
installed=1
"${as_root[@]}" dpkg -i "$deb" >/dev/null
dpkg-query -W -f='${Package} ${Version}\n' vantrel

step "Manual pages"
for page in vantrel vantrel-solve; do
  zgrep -q "^\.SH FILES" "/usr/share/man/man1/$page.1.gz" || fail "no manual page $page(1)"
done
echo "vantrel(1), vantrel-solve(1)"

mkdir "$work/empty"
for folder in / "$work/empty"; do
  step "vantrel-solve from ${folder/#$work/TMP}"
  (cd "$folder" && vantrel-solve H.Williams flow=60) >"$work/solve.txt" 2>&1 || true
  grep -q "^Flow Rate *60.000 l/s$" "$work/solve.txt" || fail "$(cat "$work/solve.txt")"
  grep "^Head Loss?" "$work/solve.txt"
done

# The window runs until it is ended: wait for its first page, then end it. What it writes for
# itself (settings, caches) stays in the temporary folder.
mkdir -m 700 "$work/runtime"
entry_exec="$(sed -n 's/^Exec=//p' /usr/share/applications/vantrel.desktop)"
for folder in / "$work/empty"; do
  step "Window ($entry_exec) from ${folder/#$work/TMP}"
  log="$work/window.log"
  (cd "$folder" && QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="vantrel.startup.info=true" \
    XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime" \
    exec $entry_exec 2>"$log") &
  window=$!
  for _ in $(seq 100); do
    if grep -q "page 1 shown" "$log" || ! kill -0 "$window" 2>/dev/null; then break; fi
    sleep 0.1
  done
  kill "$window" 2>/dev/null || true
  wait "$window" 2>/dev/null || true
  window=""
  grep -o "page 1 shown: .*" "$log" || fail "no first page: $(cat "$log")"
done

step "Removing"
"${as_root[@]}" dpkg -r vantrel >/dev/null
installed=0
find /usr -xdev | sort >"$work/usr-after"
diff "$work/usr-before" "$work/usr-after" >"$work/usr.diff" ||
  fail "changed under /usr: $(cat "$work/usr.diff")"
echo "nothing left under /usr"
echo "Package checked in $((SECONDS - started)) s."
