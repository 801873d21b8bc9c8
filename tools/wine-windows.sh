#!/bin/sh
# Sets how Wine shows windows in the prefix: "virtual" for Xvfb, which has no
# window manager (Wine paints the frames, and with unmanaged windows it need
# not wait for a manager to answer: much faster window tests), or "desktop"
# for a real desktop whose window manager frames the windows.
here=$(cd "$(dirname "$0")/.." && pwd)
prefix="${WINEPREFIX:-$here/build/wineprefix}"
case "$1" in
  virtual) value=N ;;
  desktop) value=Y ;;
  *) echo "usage: $0 virtual|desktop" >&2; exit 2 ;;
esac
grep -q "\"Managed\"=\"$value\"" "$prefix/user.reg" 2>/dev/null && exit 0
for key in Managed Decorated; do
  WINEPREFIX="$prefix" WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\X11 Driver' /v $key /d $value /f </dev/null >/dev/null 2>&1
done
WINEPREFIX="$prefix" wineserver -w
