#!/usr/bin/env bash
# The test command: installs what is needed, builds warning-free, starts the test server and runs
# every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build

# A password with blanks, quotes and shell characters, so that the tests show it reaches the tools intact.
export QOV_SYSDBA_PASSWORD='Clave de prueba "1" $x;&`y`'
scripts/firebird-server.sh start
trap 'scripts/firebird-server.sh stop' EXIT
ctest --test-dir build --output-on-failure -j "$(nproc)"
