#!/bin/sh
# Installs what building and running vorkel needs on a Debian machine (as
# root, with apt): the MinGW i686 cross compiler, Wine with its 32-bit part,
# Xvfb, the zh_CN.UTF-8 locale (Wine's code page 936), a CJK font and
# GoogleTest's sources. Does nothing that is already done.
set -eu

packages="cmake make python3 g++-mingw-w64-i686 binutils-mingw-w64-i686 \
  wine wine32:i386 xvfb xauth x11-apps imagemagick locales \
  fonts-wqy-microhei googletest"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' ||
    missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "setup: installing$missing"
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi

if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "setup: creating the zh_CN.UTF-8 locale"
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
