# Shared by the shell tests: a scratch folder and a program they may start, both cleaned up however
# the test ends, and check(), which runs one check, prints "ok" or "FAIL" with what it checked and
# counts the failures. Sourced after setting `work` to the scratch folder; the program's pid goes
# in `pid`.
pid=
cleanup() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

failures=0
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok   $what"
    else
        echo "FAIL $what"
        failures=$((failures + 1))
    fi
}
