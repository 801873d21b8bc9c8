#!/bin/sh
# Runs a command on its own Xvfb display with a wineserver of its own, so
# window tests never touch the user's desktop and Wine starts once, not per
# test. The server and Wine's services are started first with no inherited
# output, else they would hold the test runner's pipes open after the tests;
# they are started on the virtual display, since Wine's desktop keeps the
# display it first saw.
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$here/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# winedbg off: a crashed test must fail at once, not wait for a debugger.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=d;mshtml=d;winedbg.exe=d}"

if [ "$1" != "--inside" ]; then
  wineserver -k </dev/null >/dev/null 2>&1
  "$here/tools/wine-windows.sh" virtual
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" --inside "$@"
  rc=$?
  wineserver -k </dev/null >/dev/null 2>&1
  exit $rc
fi

shift
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1
exec "$@"
