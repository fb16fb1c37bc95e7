#!/usr/bin/env bash
# Escape in a grid cell's editor puts the cell back, a second one ends the row's edit once confirmed,
# the screen stays open, and the import stores the menus under the diet proposed, not the one typed.
source "$(dirname "$0")/desk.sh"
start_desk

key Tab
type_text 0003
key_and_wait Tab       # the load
key Tab Tab            # past the option buttons, into the services grid
key ctrl+Right         # "Dietas": the focus goes into its grid
key Right              # the destination diet of the first row
type_text 0058         # typing opens the cell's editor over the code
key Escape             # the cell shows the proposed diet again
key Escape             # the row's edit is to go: the screen asks first
answer_box 'Confirm' "the question whether to cancel the row's edit"  # Enter: "Sim"
key_and_wait ctrl+Return
answer_box 'Informa' "the import's success: no row was left in edit"

expect_count "CARDAPIO WHERE CDFILIAL = '0003' AND CDSERVFILI = '00071' AND CDDIETPAD = '0031'" -gt 0 \
  "menus of the first diet under the diet proposed"
echo "passed: $(basename "$0")"
