#!/usr/bin/env bash
# Builds the Debian package (build-deb/tablero-tavelo_*.deb) and checks it with lintian.
source "$(dirname "$0")/scripts/common.sh"

install_missing "${board_packages[@]}" "${package_packages[@]}"
build build-deb -DCMAKE_BUILD_TYPE=Release -DTAVELO_BUILD_TESTS=OFF
(cd "$project_root/build-deb" && cpack -G DEB)
check_package "$project_root/build-deb"
