#!/usr/bin/env bash
# A whole import with the keyboard alone, a busy panel after each server call: the branch, the load,
# both tabs, Control+Enter, the success box, the menu's exit. The store holds the file's menus under
# the destination's own service codes.
source "$(dirname "$0")/desk.sh"
start_desk

key Tab                # from the remembered file name to the branch
type_text 0003
key_and_wait Tab       # leaving the filter panel loads the file
key Tab Tab            # past the option buttons, into the services grid
key ctrl+Right         # "Dietas"
key_and_wait ctrl+Right  # "Configuração": rebuilt from the destination's configuration
key ctrl+Return        # import
answer_box 'Informa' "the import's success"
key alt+c r            # the menu's "Sair" closes the client
wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Cardápios$'" || fail "the client did not close from its menu"

expect_count "CARDAPIO WHERE CDFILIAL = '0003' AND CDSERVFILI = '00071'" -gt 0 "the first service's menus"
expect_count "CARDAPIO WHERE CDFILIAL = '0003' AND CDSERVFILI = '00001'" -eq 0 "menus under the origin's code"
expect_count "LOGIMPORTACAO WHERE CDFILIAL = '0003'" -eq 1 "the import's log"
echo "passed: $(basename "$0")"
