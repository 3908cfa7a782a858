#!/usr/bin/env bash
# The program's options, with no display and no Qt platform set: --help and --version answer
# on the terminal, anything else is a usage error with exit status 2. A QApplication cannot
# start in this environment and would abort, and the start-up would create the data
# directory; neither happening shows that no window was attempted.
# Usage: command_line_test.sh PROGRAM VERSION
set -uo pipefail
program=$1 version=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/check_helpers.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# run ARGS...: leaves the exit status in $status, the outputs in $work/out and $work/err.
run() {
    run_bare "$work" "$program" "$@" >"$work/out" 2>"$work/err"
    status=$?
}

for option in --version -v; do
    run "$option"
    expect_equal "$option status" 0 "$status"
    expect_equal "$option output" "lingzhou $version" "$(cat "$work/out")"
    expect_equal "$option errors" "" "$(cat "$work/err")"
done

for option in --help -h; do
    run "$option"
    expect_equal "$option status" 0 "$status"
    expect_equal "$option first line" "Usage: lingzhou [options]" "$(head -1 "$work/out")"
    # The two options and nothing else: no --help-all, no Qt options.
    expect_equal "$option option lines" "  -h, --help|  -v, --version" \
        "$(grep -E '^ +-' "$work/out" | sed -E 's/  +[A-Z].*//' | paste -sd'|')"
    expect_equal "$option errors" "" "$(cat "$work/err")"
done

usage_error() {
    local message=$1
    shift
    run "$@"
    expect_equal "'$*' status" 2 "$status"
    expect_equal "'$*' output" "" "$(cat "$work/out")"
    grep -qF -- "$message" "$work/err" || fail "'$*' does not say: $message"
    grep -qF "Usage: lingzhou [options]" "$work/err" || fail "'$*' does not print the usage"
}
usage_error "Unknown option 'bogus'." --bogus
usage_error "Unknown option 'verbose'." --version --verbose
usage_error "Unexpected argument '6205'." 6205
# Qt's own arguments are not options of this program either.
usage_error "Unknown options: p, l, a, t, f, o, r, m." -platform offscreen

[ ! -e "$work/data" ] || fail "the program started up and deployed its catalogue"

finish
