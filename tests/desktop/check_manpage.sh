#!/usr/bin/env bash
# The manual page against the program: the options it lists are those "--help"
# lists (the options only, not their texts), its version is the program's, it is
# in Italian throughout, it names the game folder it is told and the player's data
# folder in words, with no shell expression, and its date is that of DATE
# (YYYY-MM-DD) when given.
#
#   tests/desktop/check_manpage.sh PAGE PROGRAM GAME_FOLDER [DATE]
set -euo pipefail

usage="usage: check_manpage.sh PAGE PROGRAM GAME_FOLDER [DATE]"
page=${1:?$usage}
program=${2:?$usage}
game_folder=${3:?$usage}
date=${4:-}
export LC_ALL=C

failures=0
fail() { echo "FAIL: $page: $*" >&2; failures=$((failures + 1)); }
[ -f "$page" ] || { echo "FAIL: no manual page $page" >&2; exit 1; }

# The page's text as a reader sees it, near enough: roff's minus and the accents
# written as escapes made plain, font changes dropped.
text=$(sed -e 's/\\-/-/g' -e "s/\\\\(\`\\([aeiou]\\)/\\1/g" -e 's/\\(ti/~/g' -e 's/\\f[BIRP]//g' "$page")

# The options: each one "--help" names, and each one an item of OPZIONI names.
help_options=$("$program" --help | { grep -oE -- '--[a-z][a-z0-9-]*' || true; } | sort -u | tr '\n' ' ')
page_options=$(awk '/^\.SH / { in_options = ($2 == "OPZIONI") } in_options && previous ~ /^\.TP/ { print } { previous = $0 }' \
    <<<"$text" | { grep -oE -- '--[a-z][a-z0-9-]*' || true; } | sort -u | tr '\n' ' ')
[ -n "$help_options" ] || fail "--help names no option"
[ "$page_options" = "$help_options" ] || fail "OPZIONI lists ${page_options:-nothing}, --help ${help_options}"

# The title line: name, section, date, version.
version=$("$program" --version | awk '{ print $NF }')
th=$(grep '^\.TH ' "$page" || true)
[[ $th =~ ^\.TH\ ZIRIMBO\ 6\ \"([0-9]{4}-[0-9]{2}-[0-9]{2})\"\ \"zirimbo\ ([^\"]*)\"\ \"Giochi\"$ ]] ||
    fail "title line $th"
[ "${BASH_REMATCH[2]:-}" = "$version" ] || fail "version ${BASH_REMATCH[2]:-none}, the program's $version"
[ -z "$date" ] || [ "${BASH_REMATCH[1]:-}" = "$date" ] || fail "dated ${BASH_REMATCH[1]:-never}, not $date"

# Italian throughout: the sections by their Italian names, and no English text.
sections=$({ grep '^\.SH ' "$page" || true; } | cut -c5- | tr '\n' '|')
[ "$sections" = "NOME|SINOSSI|DESCRIZIONE|OPZIONI|FILE|AMBIENTE|STATO DI USCITA|" ] || fail "sections $sections"
grep -q '^zirimbo - ' <<<"$text" || fail "no NOME line \"zirimbo \\- ...\""
english=$(grep -v '^\.\\"' <<<"$text" | grep -owiE 'the|and|with|game|folder|window|options?|usage|shows?' | sort -u |
    tr '\n' ' ' || true)
[ -z "$english" ] || fail "English words: $english"

# Where things are: the game folder as installed, the player's data in words.
grep -qxF "$game_folder" <<<"$(sed -n 's/^\.I //p' <<<"$text")" || fail "does not name the game folder $game_folder"
# shellcheck disable=SC2088  # the page names the folder as written, tilde and all
grep -qF '~/.local/share/zirimbo/Dati' <<<"$text" && grep -qw XDG_DATA_HOME <<<"$text" ||
    fail "does not name the player's data folder"
shell=$(grep -v '^\.\\"' <<<"$text" | grep -oE '\$\{|\$\(|:-|`' | sort -u | tr '\n' ' ' || true)
[ -z "$shell" ] || fail "shell expressions: $shell"

[ $failures -eq 0 ] || exit 1
echo "the manual page holds the options $help_options"
