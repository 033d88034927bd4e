#!/usr/bin/env bash
# Installs the build and test tools from Debian's packages (Debian 12) when
# they are missing; does nothing when everything is there. Run as root.
#
# What is checked is what the scripts and the build actually call: each
# command (or file) beside the package that brings it. Checking package
# names instead is what once hid a missing `wine`: `wine64` was installed,
# but the commands come with `wine`, which `wine64` only recommends.
# Exits non-zero with one line naming the first tool still missing after
# the install, so the calling script stops before any build or test.
set -euo pipefail

# command-or-/path   package
tools=(
  "cmake                              cmake"
  "ninja                              ninja-build"
  "g++                                g++"
  "x86_64-w64-mingw32-g++-posix       g++-mingw-w64-x86-64-posix"
  "i686-w64-mingw32-g++-posix         g++-mingw-w64-i686-posix"
  "x86_64-w64-mingw32-windres         binutils-mingw-w64-x86-64"
  "i686-w64-mingw32-windres           binutils-mingw-w64-i686"
  "wine                               wine"
  "wineserver                         wine"
  "wineboot                           wine"
  "/usr/lib/wine/wine64               wine64"
  "Xvfb                               xvfb"
  "xdpyinfo                           x11-utils"
  "import                             imagemagick"
  "locale-gen                         locales"
  "localedef                          libc-bin"
  "flock                              util-linux"
  "setsid                             util-linux"
  "/usr/src/googletest/CMakeLists.txt googletest"
)

present() {
  case $1 in
    /*) [ -e "$1" ] ;;
    *) command -v "$1" >/dev/null 2>&1 ;;
  esac
}

need=()
for row in "${tools[@]}"; do
  read -r tool pkg <<<"$row"
  present "$tool" && continue
  [[ " ${need[*]-} " == *" $pkg "* ]] || need+=("$pkg")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "install-deps: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

for row in "${tools[@]}"; do
  read -r tool pkg <<<"$row"
  if ! present "$tool"; then
    echo "install-deps: $tool is still missing after installing $pkg; stopping" >&2
    exit 1
  fi
done

# The Russian locale lets the tests run Wine with the ANSI code page 1251.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  if [ -f /etc/locale.gen ] && ! grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'ru_RU.UTF-8 UTF-8' >> /etc/locale.gen
  fi
  if [ -f /etc/locale.gen ] && ! grep -q '^en_US.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'en_US.UTF-8 UTF-8' >> /etc/locale.gen
  fi
  locale-gen >/dev/null 2>&1 || true
fi
