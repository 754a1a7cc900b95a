#!/usr/bin/env bash
# Installs what is needed, builds the programs and starts LodrinEditor.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset default
cmake --build --preset default --target LodrinEditor
exec build/bin/LodrinEditor "$@"
