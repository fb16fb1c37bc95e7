#!/usr/bin/env bash
# The mappings window, from the menu: branches 0002 -> 0003 chosen by typing, a service mapped to a
# destination of another name, its destination changed with Enter, removed with Delete, and the
# window closed with Escape; each step judged in the store.
source "$(dirname "$0")/desk.sh"
start_desk

kept() { sqlite3 "$store" "SELECT group_concat(CDSERVORIG || '>' || CDSERVDEST) FROM MAPSERVICO WHERE CDFILIORIG = '0002' AND CDFILIDEST = '0003'"; }
kept_is() { [ "$(kept)" = "$1" ]; }
pick() {  # in the lookup list that shows, keeps the rows holding `text` and chooses the first
  local list
  list=$(wait_window "$1") || fail "no list '$1'"
  wait_for 5 focused_is "$list" || fail "the list '$1' did not get the keyboard"
  type_text "$2"
  key Return
}

key alt+c
key m
window=$(wait_window "^Mapeamentos entre Filiais$") || fail "the mappings window did not show"
wait_for 5 focused_is "$window" || fail "the mappings window did not get the keyboard"
type_text 0002           # origin
key Tab
type_text 0003           # destination
key Tab Tab              # the tabs, then the list of services
key alt+n
pick "filial origem" "Almo"  # ASCII: xdotool types accents by remapping keys, which loses them under load
pick "filial destino" "JANTAR"
wait_for 5 kept_is "00002>00038" || fail "mapped service: $(kept)"
if [ -n "${KRD_SCREENSHOT_DIR:-}" ]; then import -window "$window" "$KRD_SCREENSHOT_DIR/client-mappings-window.png"; fi

key Return               # another destination for the selected row
pick "filial destino" "00052"
wait_for 5 kept_is "00002>00052" || fail "changed service: $(kept)"

key Delete
box=$(wait_window 'Confirma') || fail "no confirmation of the removal"
wait_for 5 focused_is "$box" || fail "the confirmation did not get the keyboard"
key Return               # Sim
wait_for 5 focused_is "$window" || fail "the mappings window did not get the keyboard back"
wait_for 5 kept_is "" || fail "removed service: $(kept)"
key Escape
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Mapeamentos entre Filiais$'" || fail "Escape did not close it"
echo "passed: $(basename "$0")"
