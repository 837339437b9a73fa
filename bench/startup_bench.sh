#!/usr/bin/env bash
# Start-up benchmark: process start to main window shown, and resident memory once shown, for
# quillmark with settings holding 0 and 100,000 catalogue entries, side by side with a bare Qt
# Widgets window and, for reference, the same window showing one caption, all under one Xvfb.
# Each program reports "shown" itself when QUILLMARK_EXIT_WHEN_SHOWN is set (see
# src/shell/ShownProbe.h) and exits at once.
# Usage: bench/startup_bench.sh [build-dir] [runs] [pause]   (build the targets quillmark and
# quillmark_bare_window first). Start-up times on a shared machine scatter by a third from run to
# run; the median of 41 or more interleaved runs is steady to a few per cent. By default each
# program starts as the one before exits, while the X server is still tidying up after it; a
# pause (seconds, say 0.1) lets every start begin on an idle machine instead.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-41}
pause=${3:-0}
app="$build/bin/quillmark"
bare="$build/bin/quillmark_bare_window"
for program in "$app" "$bare"; do
  [ -x "$program" ] || { echo "missing $program: build quillmark and quillmark_bare_window" >&2; exit 1; }
done

root=$(mktemp -d "${TMPDIR:-/tmp}/quillmark-bench.XXXXXX")
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$root"
}
trap cleanup EXIT

mkfifo "$root/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$root/display" 2>/dev/null &
xvfb_pid=$!
read -r -t 20 number <"$root/display"
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8

# Two homes: no settings file, and 4 catalogues of 25,000 types each.
make_home() { # name entries-per-catalogue
  local home="$root/$1"
  mkdir -p "$home/config/quillmark" "$home/data" "$home/cache" "$home/tmp"
  mkdir -m 700 -p "$home/runtime"
  if [ "$2" -gt 0 ]; then
    awk -v n="$2" 'BEGIN {
      ORS = "\r\n"
      print "[General]"; print "Personal Name=A. Developer"; print "Comments Type=0"
      split("VB VC Delphi Custom", langs, " ")
      for (l = 1; l <= 4; l++) {
        print "[Param Types " langs[l] "]"; print "Number=" n
        for (i = 1; i <= n; i++) print "Param" i "=Type" langs[l] i
      }
    }' >"$home/config/quillmark/Quillmrk.ini"
  fi
}
make_home empty 0
make_home large 25000

run_once() { # home program [argument] -> "microseconds kilobytes"
  local home="$root/$1" start out
  start=$(date +%s%N)
  out=$(HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" TMPDIR="$home/tmp" QUILLMARK_EXIT_WHEN_SHOWN=1 \
        timeout 30 "${@:2}")
  local shown=${out#shown_ns=}
  shown=${shown%% *}
  echo "$(( (shown - start) / 1000 )) ${out##*rss_kb=}"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
quartiles() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f-%.1f", v[int((NR + 3) / 4)] / 1000, v[int((3 * NR + 3) / 4)] / 1000 }'; }

declare -A times spread memory
configs=(bare label app_0 app_100000)
for config in "${configs[@]}"; do : >"$root/$config.times"; : >"$root/$config.rss"; done
run_once empty "$bare" >/dev/null # warm the caches once
for ((i = 0; i < runs; i++)); do # interleaved, so drift hits every program alike
  for config in "${configs[@]}"; do
    [ "$pause" = 0 ] || sleep "$pause"
    case $config in
      bare) result=$(run_once empty "$bare") ;;
      label) result=$(run_once empty "$bare" --one-label) ;;
      app_0) result=$(run_once empty "$app") ;;
      app_100000) result=$(run_once large "$app") ;;
    esac
    echo "${result% *}" >>"$root/$config.times"
    echo "${result#* }" >>"$root/$config.rss"
  done
done
for config in "${configs[@]}"; do
  times[$config]=$(median <"$root/$config.times")
  spread[$config]=$(quartiles <"$root/$config.times")
  memory[$config]=$(median <"$root/$config.rss")
done

printf '\nStart-up to window shown, median of %d runs (Xvfb, %s s apart)\n\n' "$runs" "$pause"
printf '| %-36s | %10s | %12s | %9s | %9s | %9s |\n' "Program" "start (ms)" "middle half" "vs bare" "RSS (MiB)" "vs bare"
printf '|%s|%s|%s|%s|%s|%s|\n' "--------------------------------------" "------------" "--------------" "-----------" "-----------" "-----------"
declare -A names=([bare]="bare Qt Widgets window" [label]="(the same with one caption)"
                   [app_0]="quillmark, no settings file"
                   [app_100000]="quillmark, 100,000 catalogue entries")
for config in "${configs[@]}"; do
  awk -v l="${names[$config]}" -v t="${times[$config]}" -v q="${spread[$config]}" -v m="${memory[$config]}" \
      -v bt="${times[bare]}" -v bm="${memory[bare]}" \
      'BEGIN { printf "| %-36s | %10.1f | %12s | %8.2fx | %9.1f | %8.2fx |\n", l, t / 1000, q, t / bt, m / 1024, m / bm }'
done

# The target, where the reader of the table sees it.
printf '\nTarget: start-up and memory within 1.3x the bare window'"'"'s\n'
for config in app_0 app_100000; do
  awk -v l="${names[$config]}" -v t="${times[$config]}" -v m="${memory[$config]}" \
      -v bt="${times[bare]}" -v bm="${memory[bare]}" 'BEGIN {
        time = (t <= 1.3 * bt) ? "met" : "not met"; rss = (m <= 1.3 * bm) ? "met" : "not met"
        printf "  %-37s start-up %s (%.3fx), memory %s (%.3fx)\n", l ":", time, t / bt, rss, m / bm }'
done
