#!/usr/bin/env bash
# quillmark-block, start to finish on a 20-parameter description, side by side with a hello-world
# linked to QtCore, in one hyperfine run; prints the ratio of the means (target: at most 1.5).
# Usage: cli_startup.sh <quillmark-block> <hello-qtcore> <description.json> <settings.ini>
set -euo pipefail
tool=$1 hello=$2 json=$3 settings=$4
csv=$(mktemp)
trap 'rm -f "$csv"' EXIT

hyperfine --shell=none --warmup 20 --runs 300 --export-csv "$csv" \
  --command-name quillmark-block "$tool --settings $settings --input $json" \
  --command-name hello-qtcore "$hello"

awk -F, 'NR > 1 { mean[$1] = $2 }
  END {
    ratio = mean["quillmark-block"] / mean["hello-qtcore"]
    printf "quillmark-block %.2f ms, hello-qtcore %.2f ms: ratio %.2f (target <= 1.50) %s\n",
           mean["quillmark-block"] * 1000, mean["hello-qtcore"] * 1000, ratio,
           ratio <= 1.5 ? "within target" : "OVER TARGET"
  }' "$csv"
