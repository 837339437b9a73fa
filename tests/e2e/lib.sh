# Harness for end-to-end runs of the real quillmark under Xvfb and openbox, driven from the
# keyboard with xdotool and checked on the system clipboard with xclip. Source it, call
# e2e_begin once, then per scenario: e2e_write_settings, e2e_start_app, keys, e2e_expect_clipboard,
# e2e_stop_app. Everything started here is stopped on exit, whatever happens.

E2E_TIMEOUT=${E2E_TIMEOUT:-20}   # seconds for any single wait
E2E_ROOT=""
E2E_XVFB_PID=""
E2E_WM_PID=""
E2E_APP_PID=""
E2E_WINDOW=""
E2E_FAILURES=0

e2e_log() { printf 'e2e: %s\n' "$*" >&2; }

e2e_fail() {
  e2e_log "FAIL: $*"
  E2E_FAILURES=$((E2E_FAILURES + 1))
}

e2e_kill() { # pid...
  local pid
  for pid in "$@"; do
    [ -n "$pid" ] || continue
    kill "$pid" 2>/dev/null || continue
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}

e2e_cleanup() {
  e2e_kill "$E2E_APP_PID" "$E2E_WM_PID" "$E2E_XVFB_PID"
  E2E_APP_PID="" E2E_WM_PID="" E2E_XVFB_PID=""
  [ -n "$E2E_ROOT" ] && rm -rf "$E2E_ROOT"
  E2E_ROOT=""
}

# Skips (exit 77) when the desktop tools are missing, except in CI, which installs them and must
# never pass by skipping; fails when the display cannot start.
e2e_begin() {
  local tool
  for tool in Xvfb openbox xdotool xmodmap setxkbmap xclip; do
    if ! command -v "$tool" >/dev/null; then
      if [ "${CI:-}" = "true" ]; then
        e2e_log "FAIL: $tool is not installed"
        exit 1
      fi
      e2e_log "SKIP: $tool is not installed"
      exit 77
    fi
  done
  E2E_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/quillmark-e2e.XXXXXX")
  trap e2e_cleanup EXIT
  trap 'exit 130' INT TERM

  # A free display: Xvfb picks the number and writes it to the descriptor we give it.
  local fifo="$E2E_ROOT/display"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" 2>"$E2E_ROOT/xvfb.log" &
  E2E_XVFB_PID=$!
  local number=""
  read -r -t "$E2E_TIMEOUT" number <"$fifo" || true
  if [ -z "$number" ]; then
    e2e_log "Xvfb did not start:"; cat "$E2E_ROOT/xvfb.log" >&2
    exit 1
  fi
  export DISPLAY=":$number"
  unset WAYLAND_DISPLAY

  # A fresh home and XDG folders for the window manager and the application.
  export HOME="$E2E_ROOT/home"
  export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
  export XDG_CACHE_HOME="$HOME/.cache" XDG_RUNTIME_DIR="$E2E_ROOT/runtime"
  export TMPDIR="$E2E_ROOT/tmp"
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$TMPDIR"
  mkdir -m 700 -p "$XDG_RUNTIME_DIR"
  export LC_ALL=C.UTF-8 LANG=C.UTF-8
  export QT_QPA_PLATFORM=xcb
  # A desktop session names its message bus. With none named, the bus library forks the
  # application to look for a bus launcher; under AddressSanitizer (clang 14) a child forked while
  # another thread allocates can wait for ever on the sanitizer's allocator lock, and so does the
  # window, which waits for the bus (3 starts in 1,000). A bus named but absent fails at once, as
  # the launcher, which is not installed here, did.
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_ROOT/no-session-bus"

  openbox --sm-disable >"$E2E_ROOT/openbox.log" 2>&1 &
  E2E_WM_PID=$!
  e2e_wait_for "window manager" e2e_wm_ready
}

e2e_wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

e2e_wait_for() { # description command...
  local what=$1
  shift
  local deadline=$((SECONDS + E2E_TIMEOUT))
  until "$@"; do
    if [ $SECONDS -ge $deadline ]; then
      e2e_log "timed out waiting for $what"
      return 1
    fi
    sleep 0.1
  done
}

e2e_write_settings() { # content (written as is)
  mkdir -p "$XDG_CONFIG_HOME/quillmark"
  printf '%s' "$1" >"$XDG_CONFIG_HOME/quillmark/Quillmrk.ini"
}

# Waits until a window whose title is exactly $1 is there and has the keyboard focus.
e2e_wait_window() {
  local title=$1
  if ! e2e_wait_for "window \"$title\"" e2e_find_window "$title"; then
    e2e_log_app_state
    return 1
  fi
  timeout "$E2E_TIMEOUT" xdotool windowactivate --sync "$E2E_WINDOW" >/dev/null 2>&1 || true
  e2e_wait_for "focus on \"$title\"" e2e_focus_is "$E2E_WINDOW"
  sleep 0.5 # the toolkit activates the window a moment after the focus arrives
}

# Sets E2E_WINDOW to a shown window titled exactly $1. Searches once: xdotool's search ends at
# once with an X error (BadWindow) when a window it looks at is destroyed meanwhile, as windows come
# and go while a program starts or a dialog closes, so the caller's loop searches again.
e2e_find_window() {
  E2E_WINDOW=$(timeout 5 xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
  [ -n "$E2E_WINDOW" ]
}

e2e_focus_is() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# Every start's output goes to one log, each under a heading, so that a failure's log still holds
# the start that failed.
e2e_start_app() { # binary
  printf '== %s %s\n' "$(date +%T)" "$1" >>"$E2E_ROOT/app.log"
  "$1" >>"$E2E_ROOT/app.log" 2>&1 &
  E2E_APP_PID=$!
  e2e_wait_window Quillmark
}

# Whether the application is still running, and if so what it is doing: tells a hang from a crash
# or a window that was missed.
e2e_log_app_state() {
  local pid=$E2E_APP_PID status=0
  [ -n "$pid" ] || return 0
  if kill -0 "$pid" 2>/dev/null; then
    e2e_log "the application is running (state $(awk '{ print $3 }' "/proc/$pid/stat" 2>/dev/null)," \
      "waiting in $(cat "/proc/$pid/wchan" 2>/dev/null))"
  else
    wait "$pid" 2>/dev/null || status=$?
    e2e_log "the application has ended with status $status"
  fi
}

e2e_stop_app() {
  e2e_kill "$E2E_APP_PID"
  E2E_APP_PID=""
}

# One chord as a person plays it: Alt down, the letter pressed and released, Alt up. With a third
# argument the letter is held that many seconds, as long as a person holds it (a tenth of a second
# or more), so that its release comes well after whatever its press did.
e2e_chord() { # modifier key [seconds held]
  xdotool keydown "$1"
  sleep 0.05
  if [ -n "${3:-}" ]; then
    xdotool keydown "$2"
    sleep "$3"
    xdotool keyup "$2"
  else
    xdotool key "$2"
  fi
  sleep 0.05
  xdotool keyup "$1"
  sleep 0.25
}

e2e_key() { # keysym...
  xdotool key --delay 60 "$@"
  sleep 0.2
}

# Characters outside the keyboard map (ü, 東) get spare key codes of their own before they are
# typed, and keep them. Left to itself, xdotool binds a key code for each such character, presses
# it and unbinds it at once: an application that reads the changed map a moment late finds the key
# unbound and drops the character (once in CI, "Grüße" arrived as "Grße").
declare -A E2E_BOUND=()

e2e_bind() { # character
  local character=$1 keycode
  [ -n "${E2E_BOUND[$character]:-}" ] && return 0
  keycode=$(xmodmap -pke | awk 'NF == 3 && $2 > 8 { print $2; exit }')
  if [ -z "$keycode" ]; then
    e2e_log "no spare key code left for \"$character\""
    return 1
  fi
  xmodmap -e "keycode $keycode = $(printf 'U%04X' "'$character")" || return 1
  E2E_BOUND[$character]=$keycode
}

e2e_type() { # text
  local text=$1 i
  for ((i = 0; i < ${#text}; i++)); do
    [[ ${text:i:1} == [[:ascii:]] ]] || e2e_bind "${text:i:1}" || return 1
  done
  xdotool type --delay 40 -- "$text"
  sleep 0.2
}

e2e_clipboard() { timeout 5 xclip -selection clipboard -o 2>/dev/null; }

# Compares the clipboard with the expected bytes, waiting a little for the copy to land.
e2e_expect_clipboard() { # scenario expected-file
  local scenario=$1 expected=$2 actual="$E2E_ROOT/actual"
  local deadline=$((SECONDS + E2E_TIMEOUT))
  while :; do
    e2e_clipboard >"$actual" || true
    cmp -s "$expected" "$actual" && { e2e_log "$scenario: clipboard matches"; return 0; }
    [ $SECONDS -ge $deadline ] && break
    sleep 0.2
  done
  e2e_fail "$scenario: clipboard differs from the expected block"
  diff <(od -c "$expected") <(od -c "$actual") | head -40 >&2 || true
  return 1
}
