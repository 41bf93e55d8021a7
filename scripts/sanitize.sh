#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/ and
# runs every test there. A system library used by Qt's X11 platform (in the end-to-end test) keeps
# a buffer until the process ends; tests/sanitize/lsan.supp tells LeakSanitizer to ignore it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVANE_SANITIZE=ON -DZORVANE_BENCH=OFF
cmake --build build-sanitize -j"$(nproc)"
cd build-sanitize
export ASAN_OPTIONS=detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/../tests/sanitize/lsan.supp:print_suppressions=0
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j"$(nproc)"
