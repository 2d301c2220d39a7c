#!/usr/bin/env bash
# The installed manual pages and bash completion: the pages render without
# a warning from man and groff and describe every option the programs know;
# the completion offers every option of the lister and completes values and
# files.
#   check_docs.sh PREFIX WORK-DIR
set -euo pipefail
prefix=$1 work=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$work"
mkdir -p "$work"

# The options a program's --help lists, one a line (--name).
options_of() { "$prefix/bin/$1" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u; }

for program in quintarel quintarel-cli; do
    page=$prefix/share/man/man1/$program.1.gz
    [ -f "$page" ] || fail "$page was not installed"
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" >"$work/$program.txt" \
        2>"$work/$program.warnings" || fail "man could not render $page"
    [ ! -s "$work/$program.warnings" ] ||
        fail "man warns about $page: $(cat "$work/$program.warnings")"
    grep -q "^NAME" "$work/$program.txt" && grep -q "^SYNOPSIS" "$work/$program.txt" ||
        fail "$page has no NAME or SYNOPSIS"
    # man breaks long words with hyphens; the page's words are matched whole.
    for option in $(options_of "$program"); do
        grep -qE -- "(^|[^a-z-])$option([^a-z-]|$)" "$work/$program.txt" ||
            fail "the manual page of $program does not describe $option"
    done
    # Each file the page names under /usr lies there in the installed tree,
    # the prefix standing for /usr; cfront.flf is the administrator's to
    # place, so only its folder is there.
    named=$(grep -oE '/usr/[^[:space:]]+' "$work/$program.txt" | sed 's/[.,;:)]*$//' | sort -u)
    [ -n "$named" ] || fail "the manual page of $program names no installed file"
    for path in $named; do
        relative=${path#/usr/}
        case $relative in
        */cfront.flf) [ -d "$prefix/$(dirname "$relative")" ] ||
            fail "$program(1) names $path, but no such folder is installed" ;;
        *) [ -e "$prefix/$relative" ] || fail "$program(1) names $path, which is not installed" ;;
        esac
    done
done
echo "manual pages render cleanly, describe every option and name installed files"

completion=$prefix/share/bash-completion/completions/quintarel-cli
[ -f "$completion" ] || fail "$completion was not installed"
# What the completion offers for a command line; the last word is completed.
complete_line() {
    (cd "$work/files" && bash --norc --noprofile -c '
        source "$1"; shift
        COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        _quintarel_cli; printf "%s\n" "${COMPREPLY[@]}" | sort' _ "$completion" "$@")
}
mkdir -p "$work/files/folder"
touch "$work/files/"{a.fob,B.FBK,"with blank.fob",notes.txt,TAB27.TXT,demo.flf,notes.md}

[ "$(complete_line quintarel-cli --)" = "$(options_of quintarel-cli)" ] ||
    fail "the completion offers $(complete_line quintarel-cli -- | tr '\n' ' ')but --help lists $(options_of quintarel-cli | tr '\n' ' ')"
expect() {
    local expected=$1; shift
    local got
    got=$(complete_line "$@" | tr '\n' ' ')
    [ "$got" = "$expected" ] || fail "completing '$*' gives '$got', not '$expected'"
}
expect "name " quintarel-cli --sort na
expect "datetime id name permissions size type version " quintarel-cli --sort = ""
expect "json " quintarel-cli --format = j
expect "csv json tsv " quintarel-cli a.fob --format ""
# Object files, text exports (any letter case) and folders, nothing else.
expect "B.FBK TAB27.TXT a.fob folder notes.txt with blank.fob " quintarel-cli ""
expect "with blank.fob " quintarel-cli a.fob w
expect "demo.flf folder " quintarel-cli --license ""
expect "B.FBK TAB27.TXT a.fob demo.flf folder notes.md notes.txt with blank.fob " quintarel-cli --export ""
echo "the completion offers every option, the keys, the formats and the files"
