#!/usr/bin/env bash
# A long run of the monkey that plays every screen at random: the same test
# the test command runs briefly, with more steps and seeds of your choosing.
# A failure prints the seed that found it; run that seed again to see it.
# Usage: scripts/monkey.sh [steps per seed, default 20000] [first seed, default from the clock]
set -euo pipefail
cd "$(dirname "$0")/.."
steps=${1:-20000}
seed=${2:-$(date +%s)}
scripts/setup.sh
echo "monkey: 3 seeds from $seed, $steps steps each"
TAROVIN_MONKEY_STEPS=$steps TAROVIN_MONKEY_SEED=$seed QT_QPA_PLATFORM=offscreen \
    build/tests/reliability/reliability_test_monkey
