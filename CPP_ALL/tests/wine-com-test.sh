#!/bin/sh
# Runs the Win32 port tests under Wine with COM5 mapped to a pseudo-terminal
# whose far end is an echo, sz or rz (lrzsz). The tests use a Wine prefix of
# their own: Wine reads the port mapping only when its server starts, and
# restarting the shared server would break the tests running beside these.
#
#   wine-com-test.sh path/to/cpp_all_com_test.exe
set -u
here=$(cd "$(dirname "$0")/../.." && pwd)
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
base=$(dirname "$exe")
work=$base/comtest
link=$base/com5                      # fixed path: the mapping never changes
export WINEPREFIX="$base/comprefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d"
export G7K_COM_INDEX=4               # COM5
relay=

fail() { echo "wine-com-test: $*" >&2; cleanup; exit 1; }
cleanup() {
  [ -n "${relay:-}" ] && kill "$relay" 2>/dev/null
  wineserver -k 2>/dev/null
}

# Prefix with the mapping COM5 -> $link, made once.
if [ "$(readlink "$WINEPREFIX/dosdevices/com5" 2>/dev/null)" != "$link" ]; then
  timeout 120 wineboot -i </dev/null >/dev/null 2>&1
  wine reg add 'HKLM\Software\Wine\Ports' /v COM5 /d "$link" /f </dev/null >/dev/null 2>&1
  wineserver -k; wineserver -w
fi
wineserver -p 30 </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1
[ "$(readlink "$WINEPREFIX/dosdevices/com5")" = "$link" ] || fail "COM5 is not mapped to $link"

# Starts `$2` (run in folder $1) on the far side of the port.
peer() {
  rm -f "$link"
  printf 'cd "%s" && exec %s 2>"%s"\n' "$1" "$2" "$work/peer.log" >"$work/peer.sh"
  socat PTY,link="$link",raw,echo=0 SYSTEM:"sh $work/peer.sh",pty,raw,echo=0,setsid,ctty \
    </dev/null >/dev/null 2>&1 &
  relay=$!
  for i in $(seq 50); do [ -e "$link" ] && return 0; sleep 0.1; done
  fail "the pseudo-terminal did not appear"
}

# Runs one test case of the program with the peer's name.
run() {
  G7K_PEER=$1 timeout 60 "$here/tools/wine-run.sh" "$exe" --gtest_filter="$2" </dev/null || fail "$2 failed"
  for i in $(seq 50); do kill -0 "$relay" 2>/dev/null || break; sleep 0.1; done
  kill "$relay" 2>/dev/null; relay=
}

same() { cmp -s "$1" "$2" || fail "$2 differs from $1"; }

rm -rf "$work"; mkdir -p "$work/out" "$work/in"
head -c 1048576 /dev/urandom >"$work/out/big.bin"
head -c 3000 /dev/urandom >"$work/out/name with spaces.dat"
: >"$work/out/empty.dat"

run none 'ComWin32.*'

peer "$work" cat
run echo 'EchoPort.*'

peer "$work/out" "sz big.bin 'name with spaces.dat' empty.dat"
G7K_RECV_DIR="Z:$work/in" G7K_FILES=3 run sz 'SzPeer.*'
for f in big.bin "name with spaces.dat" empty.dat; do same "$work/out/$f" "$work/in/$f"; done

rm -rf "$work/in"; mkdir -p "$work/in"
peer "$work/in" "rz -y"
G7K_SEND_SPEC="Z:$work/out/big.bin;Z:$work/out/name with spaces.dat" G7K_FILES=2 run rz 'RzPeer.*'
for f in big.bin "name with spaces.dat"; do same "$work/out/$f" "$work/in/$f"; done

cleanup
echo "wine-com-test: all passed"
