#!/bin/sh
# Starts the application under Wine with COM1 on the instrument simulator
# (or on a real port: PORT=/dev/ttyUSB0). Without a display it runs on Xvfb,
# writes a screenshot of the screen to build/screenshot.png and stops.
here=$(cd "$(dirname "$0")/.." && pwd)
build="${BUILD:-$here/build}"
app="$build/win/app/G7K.exe"
run="$here/tools/wine-run.sh"
export WINEPREFIX="${WINEPREFIX:-$build/wineprefix}"

# COM1: a real device, or a simulator on a pseudo-terminal.
sim_pid=""
if [ -n "$PORT" ]; then
  com="$PORT"
else
  com="$build/instrument-com1"
  mkdir -p "$build/instrument-drive/DATA/SP" "$build/instrument-drive/DATA/RES" \
           "$build/instrument-drive/DATA/IP" "$build/instrument-drive/DATA/LOG" \
           "$build/instrument-drive/TEST"
  # Data files to import, once: the instrument's folders start empty.
  [ -n "$(ls "$build/instrument-drive/DATA/RES")" ] ||
    python3 "$here/tools/make-g7k.py" "$build/instrument-drive/DATA" >/dev/null
  "$build/win/tools/instrument-sim/instrument-sim" --link "$com" \
    --drive "$build/instrument-drive" --log "$build/instrument-sim.log" &
  sim_pid=$!
  echo "Instrument simulator on COM1 (drive: $build/instrument-drive, log: $build/instrument-sim.log)"
fi
ln -sfn "$com" "$WINEPREFIX/dosdevices/com1"
"$run" reg add 'HKLM\Software\Wine\Ports' /v COM1 /d "$com" /f >/dev/null 2>&1

if [ -n "$DISPLAY" ]; then
  "$here/tools/wine-windows.sh" desktop
  "$run" "$app" "$@"
  rc=$?
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null
  exit $rc
fi
"$here/tools/wine-windows.sh" virtual

shot="$build/screenshot.png"
display=":$(( 90 + $$ % 100 ))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app_pid $xvfb $sim_pid 2>/dev/null' EXIT
sleep 1
DISPLAY="$display" "$run" "$app" "$@" &
app_pid=$!
sleep "${G7K_SHOT_DELAY:-8}"
if DISPLAY="$display" import -window root "$shot"; then
  echo "No display: the application ran on Xvfb; screenshot written to $shot"
else
  echo "No display, and the screenshot failed" >&2
  exit 1
fi
