#!/usr/bin/env bash
# A branch whose contract was rescinded is refused with an error box; the focus stays in the branch
# edit, where Control+A and a good branch put things right, and the import goes to that branch.
source "$(dirname "$0")/desk.sh"
start_desk

key Tab
type_text 0004         # the rescinded branch
key Tab
answer_box 'Err' "the rescinded branch"
key ctrl+a
import_into_0003

expect_count "CARDAPIO WHERE CDFILIAL = '0004'" -eq 0 "menus in the refused branch"
expect_count "CARDAPIO WHERE CDFILIAL = '0003' AND CDSERVFILI = '00071'" -gt 0 "menus in the good branch"
echo "passed: $(basename "$0")"
