#!/usr/bin/env bash
# The round trip at the desk: the demo file imported into branch 0003 from the import screen,
# then the export screen opened from the "Cardápios" menu exports 0003's menus of the imported
# week, its days typed with Tab between them (Control+Enter). The file lands in the home folder
# under the proposed name, and carries 0003's own service codes and one ITEM line per menu row
# the store holds for the week.
source "$(dirname "$0")/desk.sh"
start_desk

key Tab
import_into_0003

key alt+c
key_and_wait e         # Integração de Cardápios - Exportação, its services loaded
day() { date -d "$1" +%Y-%m-%d; }
first=$(sqlite3 "$store" "SELECT REPLACE(MIN(DTCARDAPIO), '-', '') FROM CARDAPIO WHERE CDFILIAL = '0003'")
[ -n "$first" ] || fail "the import left no menus in 0003"
last=$(date -d "$first +6 days" +%Y%m%d)
key Tab
type_text "$(date -d "$first" +%d/%m/%Y)"
key Tab
type_text "$(date -d "$last" +%d/%m/%Y)"
key Tab
key_and_wait ctrl+Return
answer_box 'Informa' "the export's success"

file=$HOME/CARDAPIO_0003_${first}_${last}.txt
[ -s "$file" ] || fail "no file at $file: $(ls "$HOME")"
items=$(grep -ac '^ITEM' "$file")
rows=$(sqlite3 "$store" "SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = '0003'
  AND DTCARDAPIO BETWEEN '$(day "$first")' AND '$(day "$last")'")
[ "$items" -gt 0 ] && [ "$items" = "$rows" ] || fail "$items ITEM lines for $rows menu rows of the week"
LC_ALL=C grep -aq '^SERVICO.00071' "$file" || fail "the file lacks 0003's own service 00071"
echo "passed: $(basename "$0")"
