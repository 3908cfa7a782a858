#!/usr/bin/env bash
# Runs a program on a display of its own with a real window manager: a fresh Xvfb server and
# openbox on it, the program on Qt's xcb platform. Stacking, activation and keyboard focus
# are then the window manager's, as on a desktop, which the offscreen platform cannot show.
#
# Usage: tests/ui/desktop/under_window_manager.sh PROGRAM [ARGUMENTS...]
# Exits with the program's status; 77 when Xvfb or openbox are missing or do not start.
# A Google Test listing (--gtest_list_tests) runs without a display, since it needs none.
set -uo pipefail

if [ $# -eq 0 ]; then
    echo "usage: $0 PROGRAM [ARGUMENTS...]" >&2
    exit 2
fi
for argument in "$@"; do
    if [ "$argument" = "--gtest_list_tests" ]; then
        exec env QT_QPA_PLATFORM=offscreen "$@"
    fi
done

for tool in Xvfb openbox xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is missing (scripts/install-deps.sh installs it)" >&2
        exit 77
    fi
done

work="$(mktemp -d "${TMPDIR:-/tmp}/lz-desktop.XXXXXX")"
server_pid=""
manager_pid=""
cleanup() {
    [ -n "$manager_pid" ] && kill "$manager_pid" 2>/dev/null && wait "$manager_pid" 2>/dev/null
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display number itself and writes it to the pipe once it listens.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x800x24 -nolisten tcp -noreset \
    >"$work/xvfb.log" 2>&1 &
server_pid=$!
number=""
if ! read -r -t 10 -u "$display_fd" number || [ -z "$number" ]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 77
fi
exec {display_fd}<&-
export DISPLAY=":$number"

# An empty configuration directory: openbox's defaults, never the user's settings.
XDG_CONFIG_HOME="$work/config" openbox --sm-disable >"$work/openbox.log" 2>&1 &
manager_pid=$!
for _ in $(seq 100); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
        break
    fi
    if ! kill -0 "$manager_pid" 2>/dev/null; then
        break
    fi
    sleep 0.05
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
    echo "openbox did not start:" >&2
    cat "$work/openbox.log" >&2
    exit 77
fi

QT_QPA_PLATFORM=xcb "$@"
status=$?
exit "$status"
