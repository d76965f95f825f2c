#!/usr/bin/env bash
# The installed tree (cmake --install into a temporary prefix), its desktop file, MIME type and
# icon, and the installed program's command line and first start, with no display.
# Usage: check_install.sh <build folder> [cmake]
set -uo pipefail
build=$1
cmake=${2:-cmake}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

"$cmake" --install "$build" --prefix "$tmp/prefix" >/dev/null || { echo "FAIL: cmake --install" >&2; exit 1; }
p=$tmp/prefix
expected="bin/tallox
share/applications/tallox.desktop
share/icons/hicolor/scalable/apps/tallox.svg
share/mime/packages/tallox.xml
share/tallox/Tallox_Hist.txt
share/tallox/Tallox_Info.txt"
actual=$(cd "$p" && find . -type f | sed 's|^\./||' | sort)
[ "$actual" = "$expected" ] || fail "installed files:
$actual"
[ -x "$p/bin/tallox" ] || fail "bin/tallox is not executable"

if command -v desktop-file-validate >/dev/null; then
  # Hints (several main categories) are no errors; errors and warnings are.
  if ! out=$(desktop-file-validate "$p/share/applications/tallox.desktop" 2>&1) \
     || grep -qE ': (error|warning):' <<<"$out"; then
    fail "desktop-file-validate: $out"
  fi
else
  echo "SKIP: desktop-file-validate is not installed (desktop-file-utils)"
fi
if command -v xmllint >/dev/null; then
  xmllint --noout "$p/share/mime/packages/tallox.xml" "$p/share/icons/hicolor/scalable/apps/tallox.svg" \
    || fail "xmllint"
else
  echo "SKIP: xmllint is not installed (libxml2-utils)"
fi
grep -q '<glob pattern="\*.tlx"/>' "$p/share/mime/packages/tallox.xml" || fail "no *.tlx glob"

# The command line needs no display.
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
version=$(run "$p/bin/tallox" --version) || fail "--version exit code"
[[ "$version" =~ ^Tallox\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version printed: $version"
help=$(run "$p/bin/tallox" --help) || fail "--help exit code"
for option in --folder --version --help; do
  grep -q -- "$option" <<<"$help" || fail "--help does not list $option"
done
run "$p/bin/tallox" --nie-ma-takiej >/dev/null 2>"$tmp/err"
code=$?
[ "$code" -eq 2 ] || fail "an unknown option ends with $code, not 2"
grep -q "nieznana opcja: --nie-ma-takiej" "$tmp/err" || fail "unknown option message: $(cat "$tmp/err")"

# A program folder that cannot be one: a message and a failure, before any window.
touch "$tmp/plik"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$tmp timeout 10 "$p/bin/tallox" --folder "$tmp/plik" >/dev/null 2>"$tmp/err"
code=$?
[ "$code" -eq 1 ] || fail "--folder on a file ends with $code, not 1"
grep -q "plik istnieje i nie jest folderem" "$tmp/err" || fail "--folder message: $(cat "$tmp/err")"

# First start of the installed copy: the user's data folder is made and the texts copied into
# it; a text the user already has stays. The start dialog waits, so the program is stopped.
mkdir -p "$tmp/home/.local/share/Tallox"
echo "moje" >"$tmp/home/.local/share/Tallox/Tallox_Info.txt"
(cd "$tmp" && HOME=$tmp/home XDG_DATA_HOME= XDG_RUNTIME_DIR=$tmp QT_QPA_PLATFORM=offscreen \
  timeout 3 "$p/bin/tallox" >/dev/null 2>&1)
data=$tmp/home/.local/share/Tallox
cmp -s "$data/Tallox_Hist.txt" "$p/share/tallox/Tallox_Hist.txt" || fail "history text not copied"
[ "$(cat "$data/Tallox_Info.txt")" = "moje" ] || fail "the user's text was replaced"
[ -f "$data/tallox2.ini" ] || fail "no settings file in the data folder"

[ "$failures" -eq 0 ] && echo "install tree, desktop file, MIME type, icon and command line: OK"
exit "$failures"
