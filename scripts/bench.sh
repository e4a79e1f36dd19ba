#!/usr/bin/env bash
# Builds Tessary and runs the audio benchmark against a private PulseAudio null sink, on an X
# server without a screen. Usage: scripts/bench.sh [idle|clicks]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh bench
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tessary audio_bench
if [ -n "${DISPLAY:-}" ]; then
  exec build/bench/audio_bench "$@"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/audio_bench "$@"
