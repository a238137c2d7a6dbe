#!/usr/bin/env bash
# Refuses scenario code that cannot fail or waits blindly:
# - a wait whose condition holds "$(...)": the shell expands it once, before the wait starts,
#   so the wait polls a constant (put the condition in a function);
# - a fixed sleep in a scenario: wait for a condition instead. A sleep that is itself the
#   point (the moment of a crash) says so in a comment starting "# deliberate:".
set -uo pipefail
dir=$(cd "$(dirname "$0")" && pwd)
status=0
files=("$dir"/scenarios/*.sh "$dir"/scenarios/*.bash "$dir"/lib/bed.sh)

constant=$(grep -nE 'wait_until[^|;]*"\$\(' "${files[@]}" | grep -vE 'wait_until [0-9]+ eval ')
if [[ -n "$constant" ]]; then
    echo "lint: these waits poll a value computed once, before they start:"
    sed 's/^/    /' <<<"$constant"
    status=1
fi

sleeps=$(grep -nE '(^|[;&|(]|then|do)[[:space:]]*sleep[[:space:]]' "$dir"/scenarios/*.sh \
    "$dir"/scenarios/*.bash | grep -v '# deliberate:')
if [[ -n "$sleeps" ]]; then
    echo "lint: fixed sleeps in scenarios (wait for a condition instead):"
    sed 's/^/    /' <<<"$sleeps"
    status=1
fi

((status == 0)) && echo "lint: the scenarios wait for conditions"
exit $status
