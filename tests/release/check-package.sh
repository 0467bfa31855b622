#!/usr/bin/env bash
# The release archive as a Windows user meets it: unzipped into an empty
# folder, it holds exactly the shipped folder and the readme, and the product
# starts from there under Wine (no mouse: it asks for one, OK ends it, the
# pointer speed is 10 again).
#   check-package.sh ARCHIVE VERSION SOURCE_DIR PROBE
# Exit 77 (skipped) when there is no archive: scripts/package makes it.
set -u
archive=$1 version=$2 source=$3 probe=$4
if [ ! -f "$archive" ]; then
  echo "skipped: no $archive (scripts/package makes it)"
  exit 77
fi
mkdir -p "$source/build"
unpacked=$(mktemp -d "$source/build/release.XXXXXX")
trap 'rm -rf "$unpacked"' EXIT
failed=0
fail() { echo "fail: $*"; failed=1; }

python3 -m zipfile -e "$archive" "$unpacked" || { echo "fail: the archive does not unzip"; exit 1; }
top="$unpacked/Varkel-$version"
[ "$(ls -A "$unpacked")" = "Varkel-$version" ] || fail "the archive's top level is not Varkel-$version/: $(ls -A "$unpacked")"

# Exactly the shipped folder and the readme, the data as the source has it.
expected=$(
  {
    printf '%s\n' "Varkel游戏鼠.exe" config.ini Macro.dat README.txt
    (cd "$source/skins/default" && find . -type f ! -name '.*' | sed 's|^\./|skins/|')
  } | LC_ALL=C sort
)
found=$(cd "$top" 2>/dev/null && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$found" = "$expected" ] || fail "the archive holds other files:
$(diff <(echo "$expected") <(echo "$found"))"
cmp -s "$top/config.ini" "$source/skins/config.ini" || fail "config.ini is not the shipped one"
cmp -s "$top/Macro.dat" "$source/skins/Macro.dat" || fail "Macro.dat is not the shipped one"
while IFS= read -r file; do
  cmp -s "$top/skins/$file" "$source/skins/default/$file" || fail "skins/$file is not the shipped one"
done < <(cd "$source/skins/default" && find . -type f ! -name '.*' | sed 's|^\./||')

# The readme: a byte-order mark, CRLF line ends only, the version named.
readme="$top/README.txt"
[ "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "the readme has no byte-order mark"
[ "$(tr -cd '\n' <"$readme" | wc -c)" = "$(grep -c $'\r$' "$readme")" ] || fail "the readme has a line end without CR"
grep -q "Varkel游戏鼠 $version" "$readme" || fail "the readme does not name version $version"

[ "$failed" = 0 ] || exit 1
bash "$source/tests/app/wine-app.sh" product "$top/Varkel游戏鼠.exe" "$probe"
