#!/bin/sh
# Runs a test on an X screen of its own of the given size, with a window
# manager that frames its windows, as a desktop does.
# Usage: on-a-screen.sh WIDTHxHEIGHT PROGRAM [ARGUMENTS...]
size=$1
shift
exec xvfb-run -a -s "-screen 0 ${size}x24 -dpi 96" sh -c '
    openbox >/dev/null 2>&1 &
    manager=$!
    # Until the manager has taken the screen.
    for i in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
        sleep 0.1
    done
    "$@"
    status=$?
    kill $manager
    exit $status' sh "$@"
