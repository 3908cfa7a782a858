# Shared by the packaging checks: failures are collected so that one run reports them all.
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# expect_equal WHAT EXPECTED ACTUAL
expect_equal() {
    if [ "$2" != "$3" ]; then
        fail "$1: expected '$2', got '$3'"
    fi
}

# expect_line FILE LINE: FILE has LINE as a whole line.
expect_line() {
    grep -qxF -- "$2" "$1" || fail "$(basename "$1") lacks the line '$2'"
}

finish() {
    if [ "$failures" -gt 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}

# The program with an empty environment: no display, no Qt platform, a throwaway home.
run_bare() {
    local home=$1
    shift
    env -i HOME="$home" XDG_DATA_HOME="$home/data" PATH=/usr/bin:/bin "$@"
}
