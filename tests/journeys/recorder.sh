# The key recorder, which the journeys read for what the driver types: a
# click and keys typed into it arrive in its file in order, and the times
# between them are the times between the presses. A click on the mouse
# panel's buttons leaves the keyboard with it, as a real mouse's would.
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
begin_journey
window=$(x_window "$RECORDER")
xdotool mousemove --window "$window" 200 150 click 1
give_keyboard "$window"
before=$(date +%s%N)
xdotool key a
sleep 0.3
after=$(date +%s%N)
xdotool keydown shift key b keyup shift

expected="button left down
button left up
key 0x41 down
key 0x41 up
key 0x10 down
key 0x42 down
key 0x42 up
key 0x10 up"
recorded() { sed 's/ [0-9-]*$//' "$KEYS"; }
all_recorded() { [ "$(recorded)" = "$expected" ]; }
poll 10 all_recorded || fail "the recorder holds
$(cat "$KEYS")
not
$expected"

# From the press of A to the press of Shift: the pause between the two
# xdotool calls, which starts before the first call and ends before the
# second call's own start (slow on a busy machine).
time_of() { sed -n "$1p" "$KEYS" | awk '{print $NF}'; }
gap=$(($(time_of 5) - $(time_of 3)))
paused=$(((after - before) / 1000000))
note "recorded gap $gap ms, paused $paused ms"
[ "$gap" -ge 300 ] && [ "$gap" -le $((paused + 300)) ] ||
  fail "the recorded times are $gap ms apart for a pause of $paused ms"

start_demo
xdotool mousemove --window "$window" 200 150 click 1
give_keyboard "$window"
panel_click 1
xdotool key c
ends_with_c() { [ "$(tail -n 2 "$KEYS" | sed 's/ [0-9-]*$//')" = "key 0x43 down
key 0x43 up" ]; }
poll 10 ends_with_c || fail "after a click on the panel, C did not reach the recorder: $(tail -n 4 "$KEYS" | tr '\n' ' ')"
[ "$(probe foreground -)" = "$RECORDER" ] || fail "the panel's click took the front from the recorder"
take_shot recorder
quit_with_alt_f4
end_journey
