#!/usr/bin/env bash
# Sets up and builds (see setup.sh), then starts the game, which needs a graphical desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec "${BUILD_DIR:-build}/bin/sleetwhistle" "$@"
