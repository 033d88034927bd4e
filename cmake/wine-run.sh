#!/usr/bin/env bash
# wine-run.sh PREFIX PROGRAM [ARGS...]
# Runs one Windows program under Wine in the build folder's own prefix.
# The prefix is made on first use (under a lock, since CTest may start
# several programs at once) and lives until the test script deletes it.
set -e
prefix=$1; shift
export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ ! -f "$WINEPREFIX/.arvenlo-ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.arvenlo-ready" ]; then
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w
      touch "$WINEPREFIX/.arvenlo-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
# Keep a server and Wine's own services up between programs, started here
# with their output going nowhere. Otherwise each program starts them anew,
# they inherit its output, and CTest waits seconds for them to let go of it.
# Wine names its socket folder after the prefix's device and inode; when the
# socket is there, a server is already running.
server=server-$(stat -c %D "$WINEPREFIX")-$(printf %x "$(stat -c %i "$WINEPREFIX")")
running() { compgen -G "/tmp/wine-*/$server/socket" >/dev/null || compgen -G "/tmp/.wine-$(id -u)/$server/socket" >/dev/null; }
if ! running; then
  setsid wineserver -p60 </dev/null >/dev/null 2>&1 &
  for _ in $(seq 1 50); do running && break; sleep 0.1; done
  wine cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
fi
exec wine "$@"
