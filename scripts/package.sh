#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package of the program in build/
# (or $BUILD_DIR): lingzhou_<version>_<architecture>.deb.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$build"
cpack -G DEB
