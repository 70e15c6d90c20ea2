#!/bin/bash
# Writes the default data set in data/ from its UTF-8 sources in data/src/:
# every file converted to Shift-JIS (code page 932) with CR LF line ends, the
# form in which the programs read and write their data files.
#
#   gen-data.sh           regenerate data/*.ini and data/*.csv
#   gen-data.sh --check   only compare: fail when data/ is not what the
#                         sources give (run by the tests)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
src="$root/data/src"
out="$root/data"

check=0
[ "${1:-}" = "--check" ] && check=1

# UTF-8 lines in, Shift-JIS lines ending in CR LF out; fails on any
# character that has no Shift-JIS form.
convert() {
  iconv -f UTF-8 -t CP932 "$1" | LC_ALL=C awk '{ sub(/\r$/, ""); printf "%s\r\n", $0 }'
}

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for source in "$src"/*; do
  name="$(basename "$source")"
  convert "$source" >"$work/$name"
done

status=0
for generated in "$work"/*; do
  name="$(basename "$generated")"
  if [ $check -eq 1 ]; then
    cmp -s "$generated" "$out/$name" || { echo "data/$name is not what data/src/$name gives" >&2; status=1; }
  else
    cp "$generated" "$out/$name"
  fi
done
if [ $check -eq 1 ]; then
  # A data file without a source would never be regenerated.
  for shipped in "$out"/*.ini "$out"/*.csv; do
    [ -e "$work/$(basename "$shipped")" ] || { echo "data/$(basename "$shipped") has no source" >&2; status=1; }
  done
  [ $status -eq 0 ] || echo "Run scripts/gen-data.sh to regenerate the data set." >&2
fi
exit $status
