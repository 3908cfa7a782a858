#!/usr/bin/env bash
# Installs what is missing, builds and runs every test; ends with CTest's summary. Any
# arguments go to CMake, for example -DLZ_SANITIZE=ON with BUILD_DIR=build-asan.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$@"
cd "${BUILD_DIR:-$root/build}"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j"$(nproc)"
