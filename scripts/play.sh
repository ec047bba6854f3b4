#!/usr/bin/env bash
# Sets up and builds (see setup.sh), then starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec "${BUILD_DIR:-build}/bin/sleetwhistle" "$@"
