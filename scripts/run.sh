#!/usr/bin/env bash
# The run command: installs what is missing, builds the program (Release) and starts it from the repository's
# folder, the working folder that holds Firebird3/ (laid out by the setup script) and log/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build-release --target drevalino
exec build-release/src/app/drevalino "$@"
