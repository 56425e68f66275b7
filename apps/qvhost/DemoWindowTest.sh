#!/bin/sh
# The demo window as a person uses it, on a virtual X display: a click on a row of the
# check list, Down and Space, a drag below the long list that rests there, then in design
# mode (F2) the property sheet (F4) of the long list, which has the focus now: Up in its
# first combo box, a click on Apply, Escape; then the window is closed. The window's first
# and last frames and its event lines are then checked.
#   DemoWindowTest.sh QVHOST CHECKER WORKDIR        (run it under xvfb-run)
set -eu
QVHOST=$1 CHECKER=$2 WORK=$3
rm -rf "$WORK" && mkdir -p "$WORK"
eval "$("$CHECKER" points)"

# The leaks of the display libraries are not ours; the same form is leak-checked headless.
ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 QV_DEMO_FRAMES=$WORK "$QVHOST" demo --out "$WORK" >"$WORK/events.txt" 2>"$WORK/stderr.txt" &
DEMO=$!
WINDOW=$(timeout 120 xdotool search --sync --onlyvisible --name "QV_ColorListBox demo" | head -n 1)
for _ in $(seq 600); do [ -f "$WORK/first.png" ] && break; sleep 0.1; done
[ -f "$WORK/first.png" ] || { echo "the window showed no frame" >&2; kill "$DEMO"; exit 1; }

xdotool windowfocus "$WINDOW" 2>/dev/null || true
xdotool mousemove --window "$WINDOW" "$ROW_X" "$ROW_Y"
sleep 0.3
xdotool click 1
sleep 0.3
xdotool key Down space
sleep 0.3
xdotool mousemove --window "$WINDOW" "$DRAG_X" "$DRAG_Y" mousedown 1
sleep 0.2
xdotool mousemove --window "$WINDOW" "$BELOW_X" "$BELOW_Y"
sleep 1.5
xdotool mouseup 1
sleep 0.3
xdotool key F2 F4
sleep 0.3
xdotool key Up
xdotool mousemove --window "$WINDOW" "$APPLY_X" "$APPLY_Y"
sleep 0.3
xdotool click 1
sleep 0.3
xdotool key Escape
sleep 0.3

kill -TERM "$DEMO"
STATUS=0
wait "$DEMO" || STATUS=$?
cat "$WORK/stderr.txt" >&2
[ "$STATUS" -eq 0 ] || { echo "the demo ended with status $STATUS" >&2; exit 1; }
for line in "Check.Click" "Check.KeyDown 40 0" "Check.ItemCheck 3" "Long.Scroll" \
    "Long: property pages" 'Long.PropertyChanged "FrameStyle"' "pages: applied" "pages: closed"; do
  grep -qx "$line" "$WORK/events.txt" || { echo "no \"$line\" among the events:" >&2; cat "$WORK/events.txt" >&2; exit 1; }
done
"$CHECKER" "$WORK/first.png" "$WORK/last.png"
