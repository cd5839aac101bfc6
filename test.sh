#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs every test. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/setup test

build=${BUILD_DIR:-build-test}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DGSM_SANITIZE=ON
cmake --build "$build" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# Simulators started by the tests announce themselves here, not in the user's session.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

ctest --test-dir "$build" --output-on-failure -j"$(nproc)"

# Every text of the sources is translated in every language, none unfinished.
./scripts/check-translations
# The Ansible collection with Debian's ansible-core, against three simulated
# stations driven by the built gsmgate-cli.
./tests/ansible/run-playbook-test "$build"

# The fuzz targets, a few seconds each from their seeds (clang, in
# build-fuzz/): any crash fails the run. scripts/fuzz TARGET SECONDS runs one longer.
./scripts/fuzz all "${FUZZ_SECONDS:-3}"

# The Debian package: a lean Release build of the programs alone, packed and
# checked without installing it.
deb=$(./scripts/package "${PACKAGE_BUILD_DIR:-build-package}")
./scripts/check-package "$deb"
