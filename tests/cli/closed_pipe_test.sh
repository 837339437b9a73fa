#!/usr/bin/env bash
# quillmark-block writing into a pipe whose reader has gone must end with status 1 and say so,
# not die of SIGPIPE. The block is larger than a pipe holds, so the write meets the closed end.
# Usage: closed_pipe_test.sh <path to quillmark-block>
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{
  printf '{"kind": "Sub", "name": "Many", "language": "VB", "parameters": ['
  for ((i = 1; i < 3000; i++)); do printf '{"name": "p%d", "type": "Long"},' "$i"; done
  printf '{"name": "last"}]}'
} >"$work/many.json"
: >"$work/empty.ini"
set -o pipefail
"$tool" --settings "$work/empty.ini" --input "$work/many.json" 2>"$work/error" | true
status=$?
if [ "$status" -ne 1 ]; then
  echo "exit status $status, expected 1" >&2
  exit 1
fi
if ! grep -q "cannot write the output" "$work/error"; then
  echo "no message on standard error: $(cat "$work/error")" >&2
  exit 1
fi
