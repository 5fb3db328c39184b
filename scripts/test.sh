#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Tallybee and runs the whole test suite offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset release
cmake --build --preset release
QT_QPA_PLATFORM=offscreen ctest --preset release
