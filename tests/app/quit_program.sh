# Sourced by the tests that start the window program: quit_program <pid> <signal> <log> asks the
# program of process <pid> (a child of the caller) to quit with the signal, as a session manager
# would, and calls the caller's `fail` unless it ends within 20 s, with exit code 0, and without
# a sanitizer or crash report in <log>, its standard error.
quit_program() {
    local pid=$1 signal=$2 log=$3 status
    kill -"$signal" "$pid"
    for _ in $(seq 1 200); do  # 20 s at most
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not quit within 20 s of SIG$signal"
    wait "$pid"
    status=$?
    [ "$status" -eq 0 ] || fail "exit code $status"
    if grep -q -E "Sanitizer|runtime error|crash report" "$log"; then
        fail "the program reported an error"
    fi
}
