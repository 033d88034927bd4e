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
exec wine "$@"
