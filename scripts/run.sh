#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Tallybee, installs it into its program folder
# (~/.local/share/tallybee unless XDG_DATA_HOME says otherwise) and starts it from there.
# The books (fmy.dll) live in that folder; installing again never replaces them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset release
cmake --build --preset release
case "${XDG_DATA_HOME:-}" in
  /*) data_home="$XDG_DATA_HOME" ;;
  *) data_home="$HOME/.local/share" ;;
esac
folder="$data_home/tallybee"
# Books kept by an older version in the build folder come along once, as a copy.
if [ ! -e "$folder/fmy.dll" ] && [ -f build/release/bin/fmy.dll ]; then
  mkdir -p "$folder"
  cp -p build/release/bin/fmy.dll "$folder/fmy.dll"
  echo "Copied the books from build/release/bin/fmy.dll to $folder/fmy.dll"
fi
cmake --install build/release --prefix "$folder"
exec "$folder/tallybee"
