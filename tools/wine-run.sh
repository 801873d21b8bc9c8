#!/bin/sh
# Runs a Win32 program of the win build under Wine, in the project's own prefix.
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$here/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# winedbg off: a crashed test must fail at once, not wait for a debugger.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=d;mshtml=d;winedbg.exe=d}"
exec wine "$@"
