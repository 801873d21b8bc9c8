#!/bin/sh
# Installs what the build and the tests need (Debian 12) and makes the Wine prefix.
# Quick when everything is already there.
set -e
here=$(cd "$(dirname "$0")/.." && pwd)

packages="cmake make ninja-build g++ clang libclang-rt-14-dev g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 fonts-wine fonts-liberation xvfb xauth lrzsz socat googletest imagemagick x11-utils
  ghostscript poppler-utils"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done

if [ -n "$missing" ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing:$missing"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
fi

prefix="${WINEPREFIX:-$here/build/wineprefix}"
wine_env() { WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d;winedbg.exe=d" "$@"; }
if [ ! -f "$prefix/system.reg" ]; then
  echo "Creating the Wine prefix in $prefix"
  mkdir -p "$(dirname "$prefix")"
  wine_env wine wineboot -i >/dev/null 2>&1
  wine_env wineserver -w
fi

# Wine draws the caption buttons with the Marlett font; this Wine does not
# find its own copy (fonts-wine) and shows the letters "0 1 r" instead, so the
# prefix gets the font in its Fonts folder.
fonts="$prefix/drive_c/windows/Fonts"
if [ ! -f "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi

# A printer that writes files: Wine's PostScript driver pipes each job into
# tools/printer/print-to-file.sh, which leaves a PDF in build/printed (or in
# $G7K_PRINT_DIR). Done again when the checkout has moved.
printed="$(dirname "$prefix")/printed"
port="|'$here/tools/printer/print-to-file.sh' '$printed'"
if ! grep -qF "$here/tools/printer/print-to-file.sh' '$printed'" "$prefix/system.reg" 2>/dev/null; then
  echo "Installing the G7K File Printer (jobs become PDF files in $printed)"
  adder="$(dirname "$prefix")/add-file-printer.exe"
  x86_64-w64-mingw32-g++ -O1 -static -o "$adder" "$here/tools/printer/AddFilePrinter.cpp" -lwinspool
  wine_env wine "$adder" "Z:$(echo "$here/tools/printer/G7KFILE.PPD" | tr / '\\')" "$port"
  wine_env wineserver -w
fi
