#!/bin/sh
# Re-saves data/Vantrel.rtf with LibreOffice Writer, the way a maintainer's
# word processor would, into tests/data/datafile/Vantrel-resaved-by-writer.rtf,
# and checks that the copy still loads to the same records.  Needs
# soffice (Debian: libreoffice-writer-nogui).
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
HOME="$work" soffice --headless --convert-to rtf --outdir "$work/out" "$root/data/Vantrel.rtf" >/dev/null
mkdir -p "$root/tests/data/datafile"
cp "$work/out/Vantrel.rtf" "$root/tests/data/datafile/Vantrel-resaved-by-writer.rtf"
python3 "$root/data/tools/check_datafile.py" "$root/tests/data/datafile/Vantrel-resaved-by-writer.rtf" | tail -n 1
