#!/usr/bin/env bash
# Builds the help file docs/run/aide.chm from the sources in this folder.
#
# The sources are UTF-8. Viewers read the pages' titles, the contents (.hhc) and the index
# (.hhk) in the code page of the file's language (French: Windows-1252), so all of them are
# converted to Windows-1252 before compiling; characters outside that code page are written
# as HTML entities in the pages (&rarr; ...). aide.hhp asks for no binary index: chmcmd
# would build it reading the index as UTF-8; without one, viewers read index.hhk itself.
#
# Before compiling it checks the links: every page is listed in aide.hhp and has its place in
# the table of topics below, every link and every entry of the contents and the index names a
# listed file, every page has entries in the index, as many as the same topic in the two other
# languages, each page's top line links to its language's home page and to the same topic in
# the two other languages, and every other link of a page stays in its language.
# "build.sh --check" only checks.
#
# Needs chmcmd and chmls (Free Pascal's CHM compiler and lister, Debian package fp-utils)
# and iconv.
set -euo pipefail

# The pages by topic: French, English, Spanish. The first row is the three home pages.
topics='
accueil.htm              en_welcome.htm      es_bienvenida.htm
joueur.htm               en_players.htm      es_jugador.htm
langue.htm               en_language.htm     es_idioma.htm
menu.htm                 en_menu.htm         es_menu.htm
jeux.htm                 en_games.htm        es_juegos.htm
niveaux.htm              en_levels.htm       es_niveles.htm
deux_joueurs.htm         en_two_players.htm  es_dos_jugadores.htm
souris_clavier_midi.htm  en_input.htm        es_raton_teclado_midi.htm
partie.htm               en_playing.htm      es_partida.htm
reglages.htm             en_settings.htm     es_ajustes.htm
scores.htm               en_scores.htm       es_tanteos.htm
parents.htm              en_parents.htm      es_padres.htm
'

here="$(cd "$(dirname "$0")" && pwd)"
out="$(cd "$here/.." && pwd)/run/aide.chm"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/src" "$work/check"

fail() { echo "build.sh: $*" >&2; exit 1; }

# The files of the project, as listed under [FILES] in aide.hhp.
files=$(sed -n '/^\[FILES\]/,/^\[/{/^\[/d;/^[[:space:]]*$/d;p}' "$here/aide.hhp")

problems=()
problem() { problems+=("$*"); }

declare -A listed=() lang=() row=() home=()
for f in $files; do
  listed[$f]=1
  test -f "$here/$f" || problem "$f is listed in aide.hhp but missing"
done
for page in "$here"/*.htm; do
  test -n "${listed[$(basename "$page")]:-}" || problem "$(basename "$page") is not listed in aide.hhp"
done

codes=(fr en es)
rows=()
while read -r -a cols; do
  test ${#cols[@]} -gt 0 || continue
  test ${#cols[@]} -eq 3 || fail "a row of the topic table does not name three pages: ${cols[*]}"
  for k in 0 1 2; do
    f=${cols[k]}
    test -z "${row[$f]:-}" || problem "$f stands twice in the topic table"
    lang[$f]=${codes[k]}
    row[$f]=${#rows[@]}
    test -n "${listed[$f]:-}" || problem "$f (topic table) is not listed in aide.hhp"
  done
  test ${#rows[@]} -gt 0 || { home[fr]=${cols[0]}; home[en]=${cols[1]}; home[es]=${cols[2]}; }
  rows+=("${cols[*]}")
done <<< "$topics"

# The file names a piece of HTML links to, one a line, without #anchors and outside links.
links() { grep -o 'href="[^"]*"' | sed 's/^href="//; s/"$//; s/#.*//' | grep -Ev '^$|^[a-z]+:' || true; }
locals() { grep -o '<param name="Local" value="[^"]*"' "$1" | sed 's/.*value="//; s/"$//; s/#.*//'; }

contents=$(locals "$here/sommaire.hhc" || true)
index=$(locals "$here/index.hhk" || true)
for f in $files; do
  case "$f" in *.htm) ;; *) continue ;; esac
  test -f "$here/$f" || continue
  if test -z "${row[$f]:-}"; then
    problem "$f has no place in the topic table of build.sh"
    continue
  fi
  l=${lang[$f]}
  grep -q "<html lang=\"$l\">" "$here/$f" || problem "$f: its <html> tag does not say lang=\"$l\""
  grep -qx "$f" <<< "$contents" || problem "$f is not in the contents (sommaire.hhc)"
  grep -qxF "$f" <<< "$index" || problem "$f has no entry in the index (index.hhk)"

  top=$(grep '<p class="haut">' "$here/$f" || true)
  if test "$(grep -c . <<< "$top")" -ne 1; then
    problem "$f has not one top line (<p class=\"haut\">)"
  else
    read -r -a same <<< "${rows[${row[$f]}]}"
    want=${home[$l]}
    for k in 0 1 2; do
      test "${codes[k]}" = "$l" || want+=$'\n'"${same[k]}"
    done
    want=$(sort -u <<< "$want")
    got=$(links <<< "$top" | sort -u)
    test "$got" = "$want" || problem "$f: the top line links to $(echo $got); it should link to $(echo $want)"
  fi

  for t in $(grep -v '<p class="haut">' "$here/$f" | links); do
    if test -z "${listed[$t]:-}"; then
      problem "$f links to $t, which is not a file of the help"
    elif test -n "${lang[$t]:-}" && test "${lang[$t]}" != "$l"; then
      problem "$f links to $t, a page in another language, outside its top line"
    fi
  done
done

# The three languages' index entries go together: each topic has as many in every language.
for r in "${rows[@]}"; do
  read -r -a same <<< "$r"
  counts=()
  for k in 0 1 2; do
    counts+=("$(grep -cxF "${same[k]}" <<< "$index" || true)")
  done
  test "${counts[0]}" = "${counts[1]}" && test "${counts[0]}" = "${counts[2]}" \
    || problem "the index (index.hhk) counts ${counts[0]} for ${same[0]}, ${counts[1]} for ${same[1]} and ${counts[2]} for ${same[2]}: each language should have as many entries"
done

for list in sommaire.hhc index.hhk; do
  for t in $(locals "$here/$list"); do
    test -n "${listed[$t]:-}" || problem "$list names $t, which is not a file of the help"
  done
done

if test ${#problems[@]} -gt 0; then
  printf 'build.sh: %s\n' "${problems[@]}" >&2
  fail "${#problems[@]} problem(s) in the help's pages and links"
fi
test "${1:-}" != "--check" || { echo "the help's pages and links are right"; exit 0; }

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
