#!/usr/bin/env bash
# The start-up benchmark: builds the game and a bare Qt window of its size,
# then times both from exec to first paint on a private X server, in
# alternating pairs.   bash bench/startup.sh [PAIRS]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
exec tests/desktop/x_session.sh -- build/bin/startup_bench build/game/blivoturnix build/bin/bare_window "${1:-15}"
