#!/usr/bin/env bash
# Configures and builds one build tree. Usage: configure.sh <build-dir> [cmake options...] [-- targets...]
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=$1
shift
cmake_args=()
targets=()
while [ $# -gt 0 ]; do
  if [ "$1" = "--" ]; then
    shift
    targets=("$@")
    break
  fi
  cmake_args+=("$1")
  shift
done

cmake -S . -B "$build_dir" -G Ninja "${cmake_args[@]}" >/dev/null
if [ ${#targets[@]} -gt 0 ]; then
  cmake --build "$build_dir" -j2 --target "${targets[@]}"
else
  cmake --build "$build_dir" -j2
fi
