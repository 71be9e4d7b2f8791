#!/usr/bin/env bash
# Each manual page names, before its examples, exactly the options its program's usage names
# (--help aside), and every command word of the usage.
#   man_pages_test.sh PAGES_FOLDER PROGRAM...   (PROGRAM: a path; its page is NAME.1)
set -uo pipefail
pages=$1
shift
failed=0
options() { grep -o -- '--[a-z][a-z-]*' | grep -vx -- '--help' | sort -u; }
for program in "$@"; do
    name=$(basename "$program")
    page="$pages/$name.1"
    # regctl prints its usage on standard error with exit status 2; the others take --help.
    usage=$(QT_QPA_PLATFORM=offscreen "$program" --help 2>&1)
    in_usage=$(options <<< "$usage")
    in_page=$(sed -e '/^\.SH EXAMPLES/,$d' -e 's/\\-/-/g' "$page" | options)
    if [ "$in_usage" != "$in_page" ]; then
        echo "$name: options differ (usage | page):"
        diff <(echo "$in_usage") <(echo "$in_page")
        failed=1
    fi
    # Command words: "usage: regctl WORD" lines and qm4417ctl's indented command list.
    commands=$( (sed -n "s/^.*$name \([a-z][a-z]*\)\b.*/\1/p" <<< "$usage"
                 sed -n 's/^  \([a-z][a-z]*\) .*/\1/p' <<< "$usage") | sort -u)
    for command in $commands; do
        grep -q -e "^\.B $name $command\b" -e "^\\\\fB$command\\\\fR" -e "^\.B $command\$" "$page" ||
            { echo "$name: command '$command' is not in $page"; failed=1; }
    done
done
exit $failed
