#!/usr/bin/env bash
# Installs what is missing, builds ZRLConv and runs every test: the tests of
# the release build (window tests on Qt's offscreen platform), the library
# and command-line tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and each fuzzer for about a minute.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${SANITIZE_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j 2
ctest --test-dir build -j 2 --output-on-failure

CC=clang CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZRLCONV_WINDOW=OFF -DZRLCONV_SANITIZE=ON -DZRLCONV_FUZZ=ON
cmake --build build-sanitize -j 2
scripts/fuzz.sh build-sanitize "${FUZZ_SECONDS:-60}"
ctest --test-dir build-sanitize -j 2 --output-on-failure
