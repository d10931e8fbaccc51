#!/bin/sh
# Installs what building and running vorkel needs on a Debian machine (as
# root, with apt): the MinGW i686 cross compiler (the tool is 32-bit), Xvfb,
# the zh_CN.UTF-8 locale (Wine's code page 936), a CJK font, GoogleTest's
# sources, and the Wine that runs here: 32-bit Wine, or where this machine
# cannot run 32-bit programs, 64-bit Wine with the x86_64 cross compiler.
# Does nothing that is already done.
# Usage: setup.sh 32|64   (the bench that tools/wine-bench.sh picked)
set -eu
bits=${1:?usage: setup.sh 32|64}

packages="cmake make python3 g++-mingw-w64-i686 binutils-mingw-w64-i686 \
  xvfb xauth x11-apps imagemagick locales fonts-wqy-microhei googletest"
if [ "$bits" = 32 ]; then
  packages="$packages wine wine32:i386"
else
  packages="$packages wine64 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64"
fi

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' ||
    missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "setup: installing$missing"
  if [ "$bits" = 32 ]; then
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  fi
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi

if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "setup: creating the zh_CN.UTF-8 locale"
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
