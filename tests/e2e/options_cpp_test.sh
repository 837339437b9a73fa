#!/usr/bin/env bash
# End to end: starting without a settings file, a person chooses C/C++ and their name in the
# options dialog with the keyboard, adds two parameters whose types they first add to the C/C++
# catalogue, and copies. The clipboard must hold the C/C++ block byte for byte, and the settings
# file must hold the options and the two new types.
# Usage: options_cpp_test.sh <path to quillmark>
set -uo pipefail
APP=$1
source "$(dirname "$0")/lib.sh"

e2e_begin
TODAY=$(LC_ALL=C date +%d-%b-%y)
SETTINGS="$XDG_CONFIG_HOME/quillmark/Quillmrk.ini"

# The toolbar is the tab stop after "Remove": it arrives on "Exit", and "Options" is two to the
# right of it.
open_options() {
  e2e_chord alt p          # the Parameters page, the focus on "Add"
  e2e_key Tab Tab          # "Remove", then the toolbar
  e2e_key Right Right      # past "Copy" to "Options"
  e2e_key Return
  e2e_wait_window Options || return 1
}

# Adds the type to the catalogue with the dialog's add-type button, then uses it.
add_parameter_with_new_type() { # name type description
  e2e_chord alt a
  e2e_wait_window "Add New Parameter" || return 1
  e2e_type "$1"
  e2e_chord alt t
  e2e_key Tab space
  e2e_wait_window "Add New Parameter - C/C\\+\\+" || return 1  # a pattern
  e2e_type "$2"
  e2e_key Return
  e2e_wait_window "Add New Parameter" || return 1
  e2e_chord alt t
  e2e_type "$2"
  e2e_chord alt d
  e2e_type "$3"
  e2e_key Return
  e2e_wait_window Quillmark
}

scenario_cpp() {
  e2e_start_app "$APP" || return 1
  open_options || return 1
  e2e_key Down             # from Visual Basic to C/C++
  e2e_key Tab              # the name box
  e2e_type "A. Developer"
  e2e_key Return
  e2e_wait_window Quillmark || return 1
  e2e_chord alt g          # back to the General page

  e2e_chord alt f
  e2e_type "GetTotal"
  e2e_chord alt e
  e2e_type "Adds up the lines of one order."
  e2e_chord alt i
  e2e_type "The order total."
  add_parameter_with_new_type "nCount" "int" "how many" || return 1
  add_parameter_with_new_type "szName" "char*" "the name" || return 1
  e2e_chord alt c

  # Type at column 8, name at 29, description at 47; "Creation Date" ends at the block width.
  {
    printf '//%s\n' "========================================================================"
    printf '// Public Function GetTotal\n'
    printf '// Purpose:\n'
    printf '//     Adds up the lines of one order.\n'
    printf '// Parameters:\n'
    printf '//     %-21s%-18s%s\n' int nCount "how many"
    printf '//     %-21s%-18s%s\n' "char*" szName "the name"
    printf '//\n//\n'
    printf '// Returns:\n'
    printf '//     The order total.\n'
    printf '//%s\n' "------------------------------------------------------------------------"
    printf '// History:\n'
    printf '//     %-21s%-33s%s\n' "$TODAY" "A. Developer" "Creation Date"
    printf '//%s\n' "========================================================================"
    printf '//\n//\n//\n'
  } | sed 's/$/\r/' >"$E2E_ROOT/expected"
  e2e_expect_clipboard "C/C++" "$E2E_ROOT/expected"
  e2e_stop_app

  # Blank lines and line ends carry no meaning in the settings file; every other line does.
  printf '%s\n' "[General]" "Comments Type=1" "Personal Name=A. Developer" "Begin Free=" \
    "End Free=" "[Param Types VC]" "Number=2" "Param1=int" "Param2=char*" >"$E2E_ROOT/expected.ini"
  if ! tr -d '\r' <"$SETTINGS" | grep -v '^[[:space:]]*$' | cmp -s - "$E2E_ROOT/expected.ini"; then
    e2e_fail "C/C++: the settings file differs"
    cat "$SETTINGS" >&2 || true
  fi
}

e2e_log "== scenario_cpp"
scenario_cpp || e2e_fail "scenario_cpp did not run to its end"
e2e_stop_app

if [ "$E2E_FAILURES" -ne 0 ]; then
  e2e_log "$E2E_FAILURES failure(s); application log:"
  cat "$E2E_ROOT/app.log" >&2 || true
  exit 1
fi
e2e_log "all scenarios passed"
