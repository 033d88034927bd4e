#!/usr/bin/env bash
# Sourced: makes sure a display is there for the Windows dialogs under Wine.
# Starts a private Xvfb when DISPLAY is not set and stops it on exit.
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 91 130); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    ARVENLO_XVFB_PID=$!
    for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    export DISPLAY=":$n"
    trap 'kill $ARVENLO_XVFB_PID 2>/dev/null || true' EXIT
    break
  done
fi
