#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence's SPDX line at the top of every tracked source and build
# file that has none, in the file's own comment style: // for C++ (and the
# C++ templates *.h.in, *.cpp.in), # for CMake and shell, after a shebang.
# Files that already carry the line are left untouched, so running it twice
# changes nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

tag='SPDX-License-Identifier: GPL-3.0-or-later'
added=0
while IFS= read -r -d '' file; do
    head -n 5 -- "$file" | grep -qF -- "$tag" && continue
    case "$file" in
        *.cpp | *.h | *.cpp.in | *.h.in) line="// $tag" ;;
        *) line="# $tag" ;;
    esac
    tmp=$(mktemp "$file.XXXXXX")
    if head -n 1 -- "$file" | grep -q '^#!'; then
        { head -n 1 -- "$file"; printf '%s\n' "$line"; tail -n +2 -- "$file"; } >"$tmp"
    else
        { printf '%s\n' "$line"; cat -- "$file"; } >"$tmp"
    fi
    chmod --reference="$file" "$tmp"
    mv -- "$tmp" "$file"
    added=$((added + 1))
done < <(git ls-files -z -- '*.cpp' '*.h' '*.in' '*.cmake' '*.sh' '*.py' 'CMakeLists.txt' '*/CMakeLists.txt' '.ci/run')
echo "added the SPDX line to $added file(s)"
