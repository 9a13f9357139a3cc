#!/usr/bin/env bash
# Installs the built calculator into a temporary prefix, validates its desktop entry and AppStream
# metadata, has the installed vantrel-solve write a record through its module, and starts the
# installed program offscreen from a folder without a data file to see that it finds the installed
# one and its first page comes up.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
entry="$prefix/share/applications/vantrel.desktop"
desktop-file-validate "$entry"
appstreamcli validate --no-net "$prefix/share/metainfo/org.vantrel.Vantrel.metainfo.xml"
test -f "$prefix/share/icons/hicolor/scalable/apps/vantrel.svg"
test -f "$prefix/share/vantrel/tables/pipe-steel-asme-b36.10m.csv"
# The installed programs find their modules: the drawing module writes a record, and the print
# dialog's module lies beside it.
(cd "$prefix" && env -u VANTREL_MODULE_DIR "$prefix/bin/vantrel-solve" C.White \
  --record "$prefix/record.pdf" >/dev/null)
test -s "$prefix/record.pdf"
test -n "$(find "$prefix" -path '*/vantrel/plugins/vantrel-print.so')"

log="$prefix/start.log"
# The program runs until it is ended; a few seconds are enough for the first page.
status=0
(cd "$prefix" && QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$prefix/config" \
  QT_LOGGING_RULES="vantrel.startup.info=true" timeout 5 "$prefix/bin/vantrel" 2>"$log") ||
  status=$?
if [ "$status" -ne 124 ] || ! grep -q "page 1 shown: Hazen-Williams" "$log"; then
  echo "The installed program did not show its first page (status $status):" >&2
  cat "$log" >&2
  exit 1
fi
echo "Installation checked: $(grep -o 'page 1 shown: .*' "$log")"
