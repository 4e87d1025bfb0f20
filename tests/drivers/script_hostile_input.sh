#!/usr/bin/env bash
# kvelnor-script given what only a real file or stream can be: a directory, /dev/zero and two
# million lines in constant memory (the hostile lines themselves are core tests of the runner).
set -uo pipefail
script=$1
source "$(dirname "$0")/expect.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"

mkdir a-directory
expect 2 "a-directory is a directory" "$script" a-directory
expect 2 "/dev/zero:1: NUL byte in the line" "$script" /dev/zero
# Two million lines (the whole script once took 413 MB for them) under a 256 MB address-space limit.
expect 0 '"time_ms":2000000' bash -c "ulimit -v 262144 && { yes 'wait 1' | head -n 2000000; echo dump; } | '$script'"

[ "$failed" = 0 ] && echo "kvelnor-script: every hostile input refused"
exit "$failed"
