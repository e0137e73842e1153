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

# Waits up to ten seconds for a condition, given as a command.
wait_for() {
    local tries=0
    until "$@" >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ $tries -le 200 ] || return 1
        sleep 0.05
    done
}

# Starts a program from /, so that nothing can be found relative to the working directory by
# accident, with none of the caller's descriptors past the standard three, so that every one it
# holds is its own. Its output goes to $work/velmora.log and its pid to `pid`.
start_from_root() {
    cd /
    (
        for fd in $(ls "/proc/$BASHPID/fd"); do
            [ "$fd" -gt 2 ] && eval "exec $fd>&-"
        done
        exec "$@"
    ) >"$work/velmora.log" 2>&1 &
    pid=$!
}

# Gives the programs started from then on a configuration folder of their own ($XDG_CONFIG_HOME):
# "new", as in a new account, or one where the flashing light's warning was answered already,
# "accepted" or "declined".
use_config_folder() {
    export XDG_CONFIG_HOME="$work/config-$1"
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$XDG_CONFIG_HOME/velmora"
    [ "$1" = new ] ||
        printf '[General]\nlightWarning=%s\n' "$1" >"$XDG_CONFIG_HOME/velmora/velmora.conf"
}

# Ends the test: after any failed check, shows the named logs from $work and the program's output,
# and exits 1.
finish() {
    if [ $failures -ne 0 ]; then
        local log
        for log in "$@"; do
            echo "--- $log"
            cat "$work/$log"
        done
        echo "--- program output"
        cat "$work/velmora.log"
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "all checks passed"
}
