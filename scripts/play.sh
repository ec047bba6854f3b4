#!/usr/bin/env bash
# Sets up and builds only the game and its data folder (see setup.sh), then starts the game, which
# needs a graphical desktop. Arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh sleetwhistle
exec "${BUILD_DIR:-build}/bin/sleetwhistle" "$@"
