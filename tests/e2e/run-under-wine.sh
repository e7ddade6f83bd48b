#!/bin/sh
# Runs a Windows program under wine with its output going through a file, then prints it.
# Wine's helper processes (the desktop window, services) outlive the program and keep the
# handles they inherited; were those the test runner's pipes, it would wait for them.
log=$(mktemp) || exit 2
"$@" >"$log" 2>&1 </dev/null
rc=$?
cat "$log"
rm -f "$log"
exit $rc
