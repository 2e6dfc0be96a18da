#!/usr/bin/env bash
# Runs a command and passes when it exits with CODE: expect_exit.sh CODE CMD...
code=$1
shift
"$@"
rc=$?
[ "$rc" -eq "$code" ] && exit 0
echo "exit code $rc, expected $code"
exit 1
