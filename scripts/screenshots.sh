#!/usr/bin/env bash
# Renders the program's windows offscreen into docs/screenshots/ (after a release build).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build --preset release --target tallybee-screenshots
build/release/bin/tallybee-screenshots docs/screenshots
