#!/bin/sh
# Runs the Win32 end-to-end test under Wine against the instrument simulator:
# the simulator's pseudo-terminal becomes a COM port of the Wine prefix.
# usage: run-wine-e2e.sh SIMULATOR TEST.exe [gtest options]
sim=$1
exe=$2
shift 2
here=$(cd "$(dirname "$0")/../.." && pwd)
: "${WINEPREFIX:=$here/build/wineprefix}"
export WINEPREFIX

port=19   # COM19, far from the ports a machine has
work=$(mktemp -d /tmp/g7k-wine-e2e.XXXXXX)
"$sim" --link "$work/tty" --drive "$work/drive" --control "$work/control" \
  --log "$work/sim.log" >/dev/null 2>&1 &
simpid=$!
cleanup() {
  kill "$simpid" 2>/dev/null
  wait "$simpid" 2>/dev/null
  rm -f "$WINEPREFIX/dosdevices/com$port"
  "$here/tools/wine-run.sh" reg delete 'HKLM\Software\Wine\Ports' /v "COM$port" /f \
    </dev/null >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT INT TERM
for i in $(seq 50); do [ -e "$work/tty" ] && break; sleep 0.1; done

# Wine takes its COM ports from HKLM\Software\Wine\Ports when it starts,
# and opens them through dosdevices: set both, the link for the running server.
mkdir -p "$WINEPREFIX/dosdevices"
ln -sfn "$work/tty" "$WINEPREFIX/dosdevices/com$port"
"$here/tools/wine-run.sh" reg add 'HKLM\Software\Wine\Ports' /v "COM$port" /d "$work/tty" /f \
  </dev/null >/dev/null 2>&1

mkdir -p "$work/pc"
[ -e "$work/tty" ] || { echo "the simulator did not start"; exit 1; }
drive=$(winepath -w "$work/drive" 2>/dev/null)
control=$(winepath -w "$work/control" 2>/dev/null)
pc=$(winepath -w "$work/pc" 2>/dev/null)
log=$(winepath -w "$work/sim.log" 2>/dev/null)
[ -n "$drive" ] && [ -n "$control" ] && [ -n "$pc" ] || { echo "winepath failed"; exit 1; }
G7K_SIM_PORT=$((port - 1)) G7K_SIM_LOG=$log G7K_SIM_DRIVE=$drive G7K_SIM_CONTROL=$control G7K_SIM_PC=$pc \
  "$here/tools/wine-run.sh" "$exe" "$@"
rc=$?
if [ $rc -ne 0 ]; then
  echo "--- simulator log"
  cat "$work/sim.log"
fi
exit $rc
