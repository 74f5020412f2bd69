#!/bin/sh
# Install the Debian packages that building, playing and testing need, if any is missing.
# Usage: deps.sh [test]   (test adds the X server, screenshot tools, Python with the readers
# of PE files and machine code, and a reader of shortcuts)
set -e
pkgs="cmake make g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest wine64
fonts-wine fonts-liberation wixl msitools git zip faketime"
[ "$1" = test ] && pkgs="$pkgs xvfb imagemagick python3 python3-pefile python3-capstone
liblnk-utils"

missing=""
for p in $pkgs; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
# wine32 is never wanted: it cannot run here and would take over the wine wrapper.
$sudo apt-get install -y -q --no-install-recommends $missing
