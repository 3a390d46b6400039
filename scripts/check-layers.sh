#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the folders include one another only downwards:
#
#   core/astro <- core/io, core/retro <- core/chart <- core/reading
#     <- atlas, render <- cli, gui <- app
#
# A folder may include its own headers and those of any folder to its left;
# core/io and core/retro do not use each other (file work needs nothing of
# the astronomy but its error values), nor do atlas and render, nor cli and
# gui. The core includes no Qt at all; render and cli include nothing of Qt
# Widgets or Qt PrintSupport. Prints each offending line and fails when there
# is one.
set -uo pipefail
cd "${1:-$(dirname "$0")/..}"

rank_of() {
    case $1 in
        core/astro* | core/version.h*) echo 0 ;;
        core/io* | core/retro*) echo 1 ;;
        core/chart*) echo 2 ;;
        core/reading*) echo 3 ;;
        atlas* | render*) echo 4 ;;
        cli* | gui*) echo 5 ;;
        app*) echo 6 ;;
        *) echo "" ;;
    esac
}

folder_of() {
    case $1 in
        core/*/*) echo "${1%%/*}/$(echo "$1" | cut -d/ -f2)" ;;
        core/version.h*) echo core/astro ;;
        *) echo "${1%%/*}" ;;
    esac
}

# Qt Widgets' and PrintSupport's class headers, as installed; a fixed few
# when Qt is not installed here.
widget_headers=$(ls /usr/include/*/qt6/QtWidgets /usr/include/*/qt6/QtPrintSupport 2>/dev/null |
    grep -E '^Q[A-Za-z]+$' | sort -u)
[[ -n $widget_headers ]] || widget_headers=$'QApplication\nQWidget\nQDialog\nQMessageBox\nQPrinter\nQMainWindow'

failures=0
fail() {
    echo "$1: $2" >&2
    failures=$((failures + 1))
}

while IFS= read -r file; do
    folder=$(folder_of "$file")
    rank=$(rank_of "$folder")
    while IFS= read -r line; do
        number=${line%%:*}
        text=${line#*:}
        where="$file:$number"
        if [[ $text =~ \#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]]; then
            target=${BASH_REMATCH[1]}
            if [[ $target == *../* ]]; then
                fail "$where" "includes by a relative path: $text"
                continue
            fi
            [[ $target == */* ]] || continue  # a header of the same folder
            tfolder=$(folder_of "$target")
            trank=$(rank_of "$tfolder")
            [[ -n $trank ]] || continue  # not a layer (a generated file, a moc file)
            [[ $tfolder == "$folder" ]] && continue
            if ((trank >= rank)); then
                fail "$where" "$folder may not include $tfolder: $text"
            fi
        elif [[ $text =~ \#[[:space:]]*include[[:space:]]*\<(Qt[A-Za-z]*/)?(Q[A-Za-z]*)\> ]]; then
            module=${BASH_REMATCH[1]}
            class=${BASH_REMATCH[2]}
            if [[ $folder == core/* ]]; then
                fail "$where" "the core includes no Qt: $text"
            elif [[ $folder == cli || $folder == render || $folder == atlas ]]; then
                if [[ $module == QtWidgets/ || $module == QtPrintSupport/ ]] ||
                    grep -qx "$class" <<<"$widget_headers"; then
                    fail "$where" "$folder includes no Qt Widgets: $text"
                fi
            fi
        fi
    done < <(grep -n '^[[:space:]]*#[[:space:]]*include' "$file")
done < <(git ls-files -co --exclude-standard -- core atlas render cli gui app |
    grep -E '\.(h|cpp|in)$')

if ((failures)); then
    echo "check-layers: $failures include(s) against the layers" >&2
    exit 1
fi
echo "check-layers: every include runs downwards"
