#!/usr/bin/env bash
# Builds the help file docs/run/aide.chm from the sources in this folder.
#
# The sources are UTF-8. Viewers read the pages' titles, the contents (.hhc) and the index
# (.hhk) in the code page of the file's language (French: Windows-1252), so all of them are
# converted to Windows-1252 before compiling; characters outside that code page are written
# as HTML entities in the pages (&rarr; ...). aide.hhp asks for no binary index: chmcmd
# would build it reading the index as UTF-8; without one, viewers read index.hhk itself.
#
# Needs chmcmd and chmls (Free Pascal's CHM compiler and lister, Debian package fp-utils)
# and iconv.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
out="$(cd "$here/.." && pwd)/run/aide.chm"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/src" "$work/check"

fail() { echo "build.sh: $*" >&2; exit 1; }

# The files of the project, as listed under [FILES] in aide.hhp.
files=$(sed -n '/^\[FILES\]/,/^\[/{/^\[/d;/^[[:space:]]*$/d;p}' "$here/aide.hhp")
for page in "$here"/*.htm; do
  grep -qx "$(basename "$page")" <<< "$files" || fail "$(basename "$page") is not listed in aide.hhp"
done

# chmcmd writes the compiled file beside the project, so compile a converted copy.
cp "$here/aide.hhp" "$work/src/"
for f in $files sommaire.hhc index.hhk; do
  case "$f" in
    *.htm|*.hhc|*.hhk)
      sed 's/charset=utf-8/charset=windows-1252/' "$here/$f" \
        | iconv -f UTF-8 -t WINDOWS-1252 > "$work/src/$f" \
        || fail "$f holds a character outside Windows-1252 (write it as an HTML entity)"
      ;;
    *) cp "$here/$f" "$work/src/" ;;
  esac
done

if ! (cd "$work/src" && chmcmd --verbosity 2 aide.hhp) > "$work/chmcmd.log" 2>&1 \
   || grep -Eiq 'error|warning|not found|missing' "$work/chmcmd.log"; then
  cat "$work/chmcmd.log" >&2
  fail "chmcmd failed"
fi
test -s "$work/src/aide.chm" || fail "chmcmd wrote no aide.chm"

# Open the archive again: every page, the contents and the index must come back unchanged.
if ! chmls extractall "$work/src/aide.chm" "$work/check" > "$work/chmls.log" 2>&1; then
  cat "$work/chmls.log" >&2
  fail "aide.chm cannot be read back"
fi
for f in $files sommaire.hhc index.hhk; do
  cmp -s "$work/src/$f" "$work/check/$f" || fail "$f differs in aide.chm"
done

mkdir -p "$(dirname "$out")"
mv "$work/src/aide.chm" "$out"
echo "built $out ($(wc -c < "$out") bytes)"
