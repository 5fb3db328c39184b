#!/usr/bin/env bash
# install_keeps_books.sh BUILD_DIR: installs the program twice into a temporary home, as
# scripts/run.sh does after an update, with an entry added in between; the entry must
# still be there. The build's seed is made newer in between, as a rebuild after a change
# of the store does: a rule that copied it over an existing fmy.dll would fail here.
# It also checks that no build rule writes a file named fmy.dll.
set -euo pipefail
build=$(cd "$1" && pwd)
fail() { echo "install_keeps_books: $*" >&2; exit 1; }

# Never the real home: the program folder, start link and desktop entry all land here.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME="$tmp/home" XDG_DATA_HOME="$tmp/home/.local/share"
folder="$XDG_DATA_HOME/tallybee"
mkdir -p "$HOME"

if grep -Eq '(^|[ /])fmy\.dll( |:|$)' "$build/build.ninja" 2>/dev/null; then
  fail "a build rule writes fmy.dll"
fi

cmake --install "$build" --prefix "$folder" > "$tmp/first.log"
for file in tallybee libSkinBag.so fmy.dll tallybee.svg; do
  [ -f "$folder/$file" ] || fail "expected $folder/$file after installing"
done
[ "$(readlink "$HOME/.local/bin/tallybee")" = "$folder/tallybee" ] || fail "no start link"
grep -q "^Exec=\"$folder/tallybee\"$" "$XDG_DATA_HOME/applications/tallybee.desktop" ||
  fail "no desktop entry starting $folder/tallybee"
grep -q "New books from the seed" "$tmp/first.log" || fail "the first install made no books"

sqlite3 "$folder/fmy.dll" "insert into s_shouru (f_fenleiid, s_jine, s_userid, s_zhanghuid, s_date, f_class) values (5, 125000, 1, 1, '2026-12-09 00:00:00', 'Z')"

# An update: a newer seed and a newer program in the build folder.
touch "$build/bin/fmy.seed.dll" "$build/bin/tallybee"
cmake --install "$build" --prefix "$folder" > "$tmp/second.log"
grep -q "Keeping the books" "$tmp/second.log" || fail "the second install did not keep the books"
grep -Eq "Installing: $folder/(\./)?tallybee$" "$tmp/second.log" || fail "the program was not updated"
entries=$(sqlite3 "$folder/fmy.dll" "select count(*) from s_shouru where s_jine = 125000")
[ "$entries" = 1 ] || fail "expected the entry to be kept, found $entries"
echo "install_keeps_books: the books survived a second install"
