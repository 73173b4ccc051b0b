#!/usr/bin/env bash
# Installs what is missing, builds the board and starts it.
source "$(dirname "$0")/scripts/common.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set); run it from a graphical session." >&2
    exit 1
fi

install_missing "${board_packages[@]}"
build build -DTAVELO_BUILD_TESTS=OFF
exec "$project_root/build/CorvaneTaveloWindow2"
