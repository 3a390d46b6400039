#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists every tracked source or build file that lacks the licence's SPDX line
# near its top, and fails when there is one. scripts/add-spdx.sh adds them.
set -euo pipefail
cd "$(dirname "$0")/.."

tag='SPDX-License-Identifier: GPL-3.0-or-later'
missing=0
while IFS= read -r -d '' file; do
    # The first five lines: after a shebang, a comment or a blank line.
    if ! head -n 5 -- "$file" | grep -qF -- "$tag"; then
        echo "$file"
        missing=$((missing + 1))
    fi
done < <(git ls-files -z -- '*.cpp' '*.h' '*.in' '*.cmake' '*.sh' '*.py' 'CMakeLists.txt' '*/CMakeLists.txt' '.ci/run')

if ((missing)); then
    echo "$missing file(s) without \"$tag\" near the top: run scripts/add-spdx.sh" >&2
    exit 1
fi
