# The desk the scenarios share (source it; KRD_CLIENT names the client): the real krd-client on its
# own display (Xvfb) under openbox, with its own home and demo company, driven only with xdotool and
# judged only by what a person or the store can see (windows, pictures, the SQLite store).
set -euo pipefail
: "${KRD_CLIENT:?the krd-client to run}"

scenario=$(basename "$0" .sh)
export QT_QPA_PLATFORM=xcb  # the suite's offscreen setting is for the widget tests
desk=$(mktemp -d)
export HOME=$desk/home XDG_DATA_HOME=$desk/data
store=$XDG_DATA_HOME/krd52100/empresa.db
mkdir -p "$HOME" "$XDG_DATA_HOME"
pids=()

leave_desk() {
  local status=$?
  # A failed scenario leaves a picture of the desk as it was, beside the test's output.
  if [ "$status" -ne 0 ] && [ -n "${DISPLAY:-}" ]; then
    import -window root "$PWD/$scenario-failed.png" 2>/dev/null && echo "picture: $PWD/$scenario-failed.png"
    sed 's/^/client: /' "$desk/client.log" 2>/dev/null || true
  fi
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$desk"
  exit "$status"
}
trap leave_desk EXIT

fail() { echo "FAILED ($scenario): $*" >&2 && exit 1; }

# Waits up to `seconds` for `command` to succeed.
wait_for() {
  local seconds=$1
  shift
  for ((tick = 0; tick < seconds * 10; tick++)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# A free display of our own (the server picks the number), the window manager, then the client
# with the menu import screen open and the main window holding the keyboard.
start_desk() {
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$desk/display" 2>"$desk/xvfb.log" &
  pids+=($!)
  wait_for 10 test -s "$desk/display" || fail "Xvfb did not start"
  export DISPLAY=:$(cat "$desk/display")
  # A window shown while the window manager is still starting may never be mapped.
  openbox --sm-disable --startup "touch $desk/openbox-ready" >"$desk/openbox.log" 2>&1 &
  pids+=($!)
  wait_for 10 test -e "$desk/openbox-ready" || fail "openbox did not start"
  "$KRD_CLIENT" --no-start-dialog --open-screen "$@" >"$desk/client.log" 2>&1 &
  pids+=($!)
  main=$(wait_window "^Cardápios$") || fail "the main window did not show"
  wait_for 10 focused_is "$main" || fail "the main window never got the keyboard"
  sleep 0.5  # the screen's first activation fills its edits
}

focused_is() { [ "$(xdotool getwindowfocus)" = "$1" ]; }

# The id of the shown window whose title matches `pattern`, once it is there (10 s at most).
wait_window() {
  wait_for 10 xdotool search --onlyvisible --name "$1" || return 1
  xdotool search --onlyvisible --name "$1" | head -1
}

# Keys and typing go to the window that has the keyboard, as a person's do.
key() { xdotool key "$@"; }
# A person waits for the busy panel to go before typing on.
key_and_wait() { key "$@" && sleep 1.5; }
type_text() { xdotool type --delay 60 "$1"; }

# A message box whose title matches `pattern` shows; Enter closes it.
answer_box() {
  local box
  box=$(wait_window "$1") || fail "no box titled like '$1' ($2)"
  wait_for 5 focused_is "$box" || fail "the box '$1' did not get the keyboard"
  key Return
  wait_for 5 focused_is "$main" || fail "the main window did not get the keyboard back after the box"
}

# With the focus in the branch code: branch 0003, the load of the demo file, then the import
# (Control+Enter) and its success box.
import_into_0003() {
  type_text 0003
  key_and_wait Tab       # the load
  key_and_wait ctrl+Return
  answer_box 'Informa' "the import's success"
}

expect_count() {
  local got
  # The client may still be closing the store (its last connection folds the log in).
  got=$(sqlite3 -cmd ".timeout 5000" "$store" "SELECT COUNT(*) FROM $1")
  [ "$got" "$2" "$3" ] || fail "$4: $got rows of $1, expected $2 $3"
}
