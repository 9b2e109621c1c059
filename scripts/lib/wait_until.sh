# Sourced by scripts/run.sh and tests/e2e/lib/common.sh.
#
# wait_until TIMEOUT COMMAND...: runs COMMAND, quietly, until it succeeds; false once TIMEOUT
# seconds have passed without success.
wait_until() {
    local timeout=$1
    shift
    local deadline=$((SECONDS + timeout))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
