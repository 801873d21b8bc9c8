#!/bin/sh
# Starts the application under Wine. Without a display it runs on Xvfb,
# writes a screenshot of the screen to build/screenshot.png and stops.
here=$(cd "$(dirname "$0")/.." && pwd)
app="$here/build/win/app/G7K.exe"
run="$here/tools/wine-run.sh"

if [ -n "$DISPLAY" ]; then
  "$here/tools/wine-windows.sh" desktop
  exec "$run" "$app" "$@"
fi
"$here/tools/wine-windows.sh" virtual

shot="$here/build/screenshot.png"
display=":$(( 90 + $$ % 100 ))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app_pid $xvfb 2>/dev/null' EXIT
sleep 1
DISPLAY="$display" "$run" "$app" "$@" &
app_pid=$!
sleep "${G7K_SHOT_DELAY:-6}"
if DISPLAY="$display" import -window root "$shot"; then
  echo "No display: the application ran on Xvfb; screenshot written to $shot"
else
  echo "No display, and the screenshot failed" >&2
  exit 1
fi
