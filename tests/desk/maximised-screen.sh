#!/usr/bin/env bash
# The screen grows with its window: main window and screen maximised (a double click on each title),
# the services grid fills the display with dozens of rows (the tallest white run down its middle).
source "$(dirname "$0")/desk.sh"
start_desk

# Where the main window's client area starts on the display.
client_origin() {
  X=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ { print $4 }')
  Y=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ { print $4 }')
}
double_click() { xdotool mousemove "$1" "$2" sleep 0.2 click --repeat 2 --delay 100 1 sleep 1; }

client_origin
double_click $((X + 200)) $((Y - 10))  # the window manager's title bar
client_origin
# The screen's frame starts where its form is placed, (321, 161), in the area below the menu bar.
double_click $((X + 321 + 150)) $((Y + 20 + 161 + 11))
key Tab
type_text 0003
key_and_wait Tab       # the load
key Tab Tab            # into the services grid

picture=$PWD/maximised-screen.png
import -window root "$picture"
rows_of_white=$(convert "$picture" -crop 1x800+640+0 -depth 8 txt:- |
  awk '/#FFFFFF/ { if (++run > best) best = run; next } { run = 0 } END { print best + 0 }')
[ "$rows_of_white" -ge 400 ] || fail "the grid is $rows_of_white pixels tall down the middle of the display, not dozens of rows"
echo "passed: $(basename "$0")"
