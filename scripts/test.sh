#!/usr/bin/env bash
# Installs what is missing, builds Quillmark with its tests and runs every test.
# With CI=true, warnings are errors and a second build runs the tests (and the fuzz targets, for a
# bounded time) under AddressSanitizer and UndefinedBehaviorSanitizer. The last lines printed are
# CTest's summary of the main build.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh || exit 1

werror=OFF
if [ "${CI:-}" = "true" ]; then
  werror=ON
fi

status=0
if [ "${CI:-}" = "true" ]; then
  echo "== sanitizer build (clang, ASan + UBSan, fuzz targets) =="
  if bash scripts/configure.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 \
      -DCMAKE_CXX_COMPILER=clang++ -DQUILLMARK_SANITIZE=ON -DQUILLMARK_FUZZ=ON \
      -DQUILLMARK_WERROR=ON -DQUILLMARK_BUILD_BENCH=OFF; then
    (cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      LSAN_OPTIONS=suppressions="$PWD/../tests/support/lsan.supp" \
      ctest --output-on-failure -j2 --timeout 300) || status=1
  else
    status=1
  fi
fi

echo "== main build =="
bash scripts/configure.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMARK_WERROR=$werror || exit 1
(cd build && ctest --output-on-failure -j2 --timeout 300) || status=1
exit $status
