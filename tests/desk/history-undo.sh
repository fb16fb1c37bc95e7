#!/usr/bin/env bash
# An import with the keyboard, then "Histórico de Importações" from the menu: the import is there,
# selected; Alt+D asks for confirmation, "Sim" undoes it and the server's answer shows. The store
# is as before the import, and its history entry says who undid it.
source "$(dirname "$0")/desk.sh"
start_desk

key Tab
import_into_0003
expect_count "CARDAPIO WHERE CDFILIAL = '0003'" -gt 0 "the imported menus"

key alt+c h            # "Histórico de Importações"
history=$(wait_window '^Histórico de Importações$') || fail "the history window did not show"
wait_for 5 focused_is "$history" || fail "the history window did not get the keyboard"
key alt+d              # "Desfazer"
box=$(wait_window 'Desfazer') || fail "no confirmation"
wait_for 5 focused_is "$box" || fail "the confirmation did not get the keyboard"
key alt+s              # "Sim"
sleep 1
box=$(wait_window 'Desfazer') || fail "no answer from the server shown"
key Return

expect_count "CARDAPIO WHERE CDFILIAL = '0003'" -eq 0 "menus after the undo"
expect_count "LOGIMPORTACAO WHERE CDFILIAL = '0003'" -eq 0 "the import's log after the undo"
expect_count "HISTIMPORTACAO WHERE DTHRDESFEITA IS NOT NULL AND CDOPERDESFEZ <> ''" -eq 1 "the undone entry"
echo "passed: $(basename "$0")"
