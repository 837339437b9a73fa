#!/usr/bin/env bash
# Installs what is missing, builds Quillmark and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/configure.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -- quillmark
exec ./build/bin/quillmark
