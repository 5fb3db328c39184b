#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Tallybee and starts it on its seeded database.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset release
cmake --build --preset release
exec build/release/bin/tallybee
