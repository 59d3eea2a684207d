#!/usr/bin/env bash
# Runs every test: the headless build, the same build under AddressSanitizer
# and UndefinedBehaviorSanitizer, the control library with Clang, the control
# library cross-compiled with MinGW-w64, and the ActiveX control under Wine.
# Here warnings are errors (FOLIVAN_WERROR); a plain user build only shows them.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

echo "== headless build and tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFOLIVAN_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== sanitizers (ASan + UBSan)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFOLIVAN_SANITIZE=ON -DFOLIVAN_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== control library with Clang (portability)"
if command -v clang++ >/dev/null; then
  CXX=clang++ cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=Release -DFOLIVAN_LIBRARY_ONLY=ON \
    -DFOLIVAN_WERROR=ON >/dev/null
  cmake --build build-clang -j"$jobs" --target folivantab
else
  echo "clang++ is not installed: skipped (scripts/install-deps.sh installs it)"
fi

echo "== control library with MinGW-w64 (portability)"
cmake -S . -B build-mingw-lib -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DFOLIVAN_LIBRARY_ONLY=ON -DFOLIVAN_WERROR=ON >/dev/null
cmake --build build-mingw-lib -j"$jobs" --target folivantab

if [ -x scripts/wine-tests.sh ]; then
  echo "== ActiveX control under Wine"
  scripts/wine-tests.sh
fi
