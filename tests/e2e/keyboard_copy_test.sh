#!/usr/bin/env bash
# End to end: a person documents procedures in the real quillmark with the keyboard alone and
# pastes the block; the system clipboard must hold it byte for byte.
# Usage: keyboard_copy_test.sh <path to quillmark>
set -uo pipefail
APP=$1
source "$(dirname "$0")/lib.sh"

e2e_begin
TODAY=$(LC_ALL=C date +%d-%b-%y)

# Expected blocks are written with LF here and turned into the clipboard's CR LF.
expect() { sed 's/$/\r/' >"$E2E_ROOT/expected"; }

add_parameter() { # name type description optional(yes/no)
  e2e_chord alt a
  # A slow build may still be settling the main window's activation; a person would press again.
  if ! E2E_TIMEOUT=8 e2e_wait_window "Add New Parameter"; then
    e2e_log "pressing Alt+A again for $1"
    e2e_chord alt a
    e2e_wait_window "Add New Parameter" || return 1
  fi
  e2e_type "$1"
  e2e_chord alt t
  e2e_type "$2"
  e2e_chord alt d
  e2e_type "$3"
  if [ "$4" = yes ]; then
    e2e_key Tab space
  fi
  e2e_key Return
  e2e_wait_window Quillmark
}

scenario_visual_basic() {
  e2e_write_settings $'[General]\r\nPersonal Name=A. Developer\r\nComments Type=0\r\n'
  e2e_start_app "$APP" || return 1
  e2e_chord alt f
  e2e_type "GetTotal"
  e2e_chord alt e
  e2e_type "Adds up the lines of one order."
  e2e_chord alt i
  e2e_type "The order total."
  add_parameter "OrderID" "Long" "Order to add up" no || return 1
  add_parameter "Discount" "Single" "Discount rate, 0 to 1" yes || return 1
  # Alt+C is Cancel in the parameter dialog too: its release reaches the main window once the
  # dialog has closed, and must neither copy nor clear the window.
  e2e_chord alt a
  e2e_wait_window "Add New Parameter" || return 1
  e2e_type "zz"
  e2e_chord alt c 0.15
  e2e_wait_window Quillmark || return 1 # still shown: not copied, cleared and minimised
  e2e_chord alt i          # copy from a field whose text is selected: nothing may be typed
  e2e_chord alt c
  expect <<BLOCK
'========================================================================
'  Public Function GetTotal
'  Purpose:
'      Adds up the lines of one order.
'  Parameters:
'      Long                 OrderID           Order to add up
'      Optional Single      Discount          Discount rate, 0 to 1
'
'
'  Returns:
'      The order total.
'------------------------------------------------------------------------
'  History:
'      $TODAY            A. Developer                    Creation Date
'========================================================================
'
'
'
BLOCK
  e2e_expect_clipboard "Visual Basic" "$E2E_ROOT/expected"
  e2e_stop_app
}

scenario_delphi() {
  e2e_write_settings $'[General]\r\nPersonal Name=A. Developer\r\nComments Type=2\r\n'
  e2e_start_app "$APP" || return 1
  e2e_chord alt b
  e2e_type "Draft"
  e2e_chord alt n          # General, then Cancel: back in the name, its text selected
  e2e_wait_window "Free Text Comments" || return 1
  e2e_key Escape
  e2e_wait_window Quillmark || return 1
  e2e_type "GetTotal"
  e2e_chord alt f          # the kind after the name: the name keeps what was typed
  e2e_chord alt e
  e2e_type "Adds up the lines of one order."
  e2e_chord alt i
  e2e_type "The order total."
  e2e_chord alt p
  add_parameter "OrderID" "Integer" "Order to add up" no || return 1
  e2e_chord alt c
  expect <<BLOCK
(*========================================================================*)
(* Public Function GetTotal                                               *)
(* Purpose:                                                               *)
(*     Adds up the lines of one order.                                    *)
(* Parameters:                                                            *)
(*     Integer              OrderID           Order to add up             *)
(*                                                                        *)
(*                                                                        *)
(* Returns:                                                               *)
(*     The order total.                                                   *)
(*------------------------------------------------------------------------*)
(* History:                                                               *)
(*     $TODAY            A. Developer                     Creation Date*)
(*========================================================================*)
(*                                                                        *)
(*                                                                        *)
(*                                                                        *)
BLOCK
  e2e_expect_clipboard "Delphi" "$E2E_ROOT/expected"
  e2e_stop_app
}

scenario_general_text() {
  e2e_write_settings $'[General]\r\nComments Type=1\r\n'
  e2e_start_app "$APP" || return 1
  e2e_chord alt n
  e2e_wait_window "Free Text Comments" || return 1
  e2e_type "Grüße, 東京, ✓"
  e2e_key Return
  e2e_type "Second line"
  e2e_chord alt o
  expect <<'BLOCK'
//========================================================================
// Grüße, 東京, ✓
// Second line
//------------------------------------------------------------------------
BLOCK
  e2e_expect_clipboard "General" "$E2E_ROOT/expected"
  if [ -n "$(ls -A "$TMPDIR" | grep '^~qm' || true)" ]; then
    e2e_fail "General: a temporary file was left behind"
  fi
  e2e_stop_app
}

# A Russian developer writes in Russian: the keys report Cyrillic letters, and the hot keys must
# still work by their Latin ones (keys given by key code: X, E, R, I, T and C on the keyboard).
scenario_cyrillic_layout() {
  e2e_write_settings $'[General]\r\nPersonal Name=A. Developer\r\nComments Type=0\r\n'
  setxkbmap ru,us || return 1
  e2e_start_app "$APP" || return 1
  e2e_key 53 53            # чч
  e2e_chord alt 26         # Alt+E
  e2e_key 27               # к
  e2e_chord alt 31         # Alt+I
  e2e_key 28               # е
  e2e_chord alt 54         # Alt+C
  expect <<BLOCK
'========================================================================
'  Public Sub чч
'  Purpose:
'      к
'  Parameters:
'
'
'  Returns:
'      е
'------------------------------------------------------------------------
'  History:
'      $TODAY            A. Developer                    Creation Date
'========================================================================
'
'
'
BLOCK
  e2e_expect_clipboard "Cyrillic layout" "$E2E_ROOT/expected"
  e2e_stop_app
  setxkbmap us
}

for scenario in scenario_visual_basic scenario_delphi scenario_general_text \
  scenario_cyrillic_layout; do
  e2e_log "== $scenario"
  "$scenario" || e2e_fail "$scenario did not run to its end"
  e2e_stop_app
done

if [ "$E2E_FAILURES" -ne 0 ]; then
  e2e_log "$E2E_FAILURES failure(s); application log:"
  cat "$E2E_ROOT/app.log" >&2 || true
  exit 1
fi
e2e_log "all scenarios passed"
