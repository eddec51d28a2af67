#!/bin/sh
# Runs a test on an X screen of its own of the given size, with a window
# manager that frames its windows, as a desktop does.
# Usage: on-a-screen.sh WIDTHxHEIGHT PROGRAM [ARGUMENTS...]
size=$1
shift
exec xvfb-run -a -s "-screen 0 ${size}x24 -dpi 96" sh -c '
    ready=$(mktemp -u)
    # The manager runs its start-up command once it has taken the windows
    # already on the screen; a window mapped before then can be lost
    # between its scan and its first event, and never be shown.
    openbox --startup "touch $ready" >/dev/null 2>&1 &
    manager=$!
    for i in $(seq 300); do
        [ -e "$ready" ] && break
        sleep 0.1
    done
    if [ ! -e "$ready" ]; then
        echo "on-a-screen.sh: the window manager did not start" >&2
        kill $manager
        exit 1
    fi
    rm -f "$ready"
    "$@"
    status=$?
    kill $manager
    exit $status' sh "$@"
