#!/usr/bin/env bash
# run_manager_case.sh OPTIONS -- ARGS...
# Starts a copy of Arvenlo.exe under Wine with ARGS, the way a person or a
# script would, and checks what it does: the message box it shows (read and
# closed through uiauto.exe), the calls it makes into a recording stand-in of
# the registration library, and its exit code.
#
#   --wine-run SCRIPT   the project's wine wrapper (cmake/wine-run.sh)
#   --prefix DIR        Wine prefix of these cases alone (ended after each case
#                       when the case brings its own X server)
#   --exe FILE          Arvenlo.exe as built
#   --uiauto FILE       uiauto.exe as built
#   --workdir DIR       scratch folder of this case (emptied first)
#   --locale NAME       LC_ALL for Arvenlo.exe (Wine takes the user's locale
#                       and the ANSI code page from it); default en_US.UTF-8
#   --ini-lang TEXT     write Arvenlo.ini with [Language] Lang=TEXT beside the copy
#   --lib FILE          copy this QyVeskReg.dll beside the copy
#   --box FILE          expect a message box whose caption and text equal the
#                       caption= and text= lines of FILE, with one button; press it
#   --calls FILE        expect the library's call log to equal FILE (an empty
#                       FILE: no call at all)
#   --file NAME         expect the file NAME (relative to the case's folder,
#                       which is the program's current folder) to exist
#   --no-file NAME      expect nothing at NAME
#   --exit N            expected exit code (default 0)
#
# Without --box no window may appear. Without DISPLAY an Xvfb of our own is
# started for the case and stopped afterwards.
set -u

wine_run= prefix= exe= uiauto= workdir= locale=en_US.UTF-8 ini_lang= lib= box= calls= want_exit=0
want_files=() unwanted_files=()
while [ $# -gt 0 ]; do
  case $1 in
    --wine-run) wine_run=$2; shift 2 ;;
    --prefix) prefix=$2; shift 2 ;;
    --exe) exe=$2; shift 2 ;;
    --uiauto) uiauto=$2; shift 2 ;;
    --workdir) workdir=$2; shift 2 ;;
    --locale) locale=$2; shift 2 ;;
    --ini-lang) ini_lang=$2; shift 2 ;;
    --lib) lib=$2; shift 2 ;;
    --box) box=$2; shift 2 ;;
    --calls) calls=$2; shift 2 ;;
    --file) want_files+=("$2"); shift 2 ;;
    --no-file) unwanted_files+=("$2"); shift 2 ;;
    --exit) want_exit=$2; shift 2 ;;
    --) shift; break ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done

fail() { echo "FAIL: $*" >&2; exit 1; }

xvfb_pid=
app_pid=
# Wine binds its desktop to the display of the process that opened it
# first, and keeps it while the wineserver lives. With an X server of our
# own, the prefix (which only these cases use) is therefore started afresh
# for the case and ended before the X server goes.
end_wine() { WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1; WINEPREFIX=$prefix wineserver -w >/dev/null 2>&1; }
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  if [ -n "$xvfb_pid" ]; then
    end_wine
    kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  fi
}
trap cleanup EXIT

# An X server of our own on a free display, ready once its socket exists.
if [ -z "${DISPLAY:-}" ]; then
  command -v Xvfb >/dev/null || fail "Xvfb is not installed (package xvfb)"
  for attempt in 1 2 3 4 5 6 7 8; do
    n=$((90 + RANDOM % 100))
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -nolisten tcp -screen 0 1024x768x24 >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
      [ -S /tmp/.X11-unix/X$n ] && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.05
    done
    if [ -S /tmp/.X11-unix/X$n ]; then
      export DISPLAY=:$n
      break
    fi
    kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; xvfb_pid=
  done
  [ -n "${DISPLAY:-}" ] || fail "could not start Xvfb"
  [ -f "$prefix/.arvenlo-ready" ] && end_wine
fi

rm -rf "$workdir" && mkdir -p "$workdir" || fail "cannot make $workdir"
cp "$exe" "$workdir/Arvenlo.exe" || fail "cannot copy $exe"
[ -n "$lib" ] && { cp "$lib" "$workdir/QyVeskReg.dll" || fail "cannot copy $lib"; }
[ -n "$ini_lang" ] && printf '[Language]\r\nLang=%s\r\n' "$ini_lang" > "$workdir/Arvenlo.ini"

# Windows paths of our files: Wine's Z: drive is the Unix root.
winpath() { printf 'Z:%s' "$(realpath -m "$1" | tr / '\\')"; }
log=$workdir/calls.log
seen=$workdir/box.txt

# Wine reads the user's language from the locale's name, but converts the
# command line with the locale's character set, which needs the locale to
# exist. When the system lacks it, build it once beside the prefix.
if [ "$(LC_ALL=$locale locale charmap 2>/dev/null)" != UTF-8 ]; then
  command -v localedef >/dev/null || fail "locale $locale is missing and localedef is not there"
  export LOCPATH=$prefix.locales
  if [ ! -d "$LOCPATH/$locale" ]; then
    mkdir -p "$LOCPATH"
    (
      flock 9
      [ -d "$LOCPATH/$locale" ] || localedef -i "${locale%%.*}" -f UTF-8 "$LOCPATH/$locale" 2>/dev/null
    ) 9>"$LOCPATH.lock"
  fi
  [ "$(LC_ALL=$locale locale charmap 2>/dev/null)" = UTF-8 ] || fail "cannot build locale $locale"
fi

( cd "$workdir" && exec env LC_ALL="$locale" LANG="$locale" ARVENLO_FAKE_REGLIB_LOG="$(winpath "$log")" \
    "$wine_run" "$prefix" "$workdir/Arvenlo.exe" "$@" ) &
app_pid=$!

if [ -n "$box" ]; then
  "$wine_run" "$prefix" "$uiauto" --exe Arvenlo.exe --timeout 30000 --out "$(winpath "$seen")" \
      --press-id 1
  rc=$?
  [ $rc -eq 0 ] || fail "no message box of Arvenlo.exe could be read and closed (uiauto: $rc)"
fi

# The program must end by itself (a box nobody expected would keep it open).
for _ in $(seq 1 300); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
  "$wine_run" "$prefix" "$uiauto" --exe Arvenlo.exe --timeout 1000 >&2
  fail "Arvenlo.exe did not end (an unexpected window is shown above, if any)"
fi
wait "$app_pid"
got_exit=$?
app_pid=

if [ -n "$box" ]; then
  for key in caption text; do
    want=$(grep "^$key=" "$box")
    got=$(grep "^$key=" "$seen")
    [ "$want" = "$got" ] || fail "box $key differs:
  want: $want
  got:  $got"
  done
  buttons=$(grep -c '^button=' "$seen")
  [ "$buttons" -eq 1 ] || fail "the box has $buttons buttons, not one: $(cat "$seen")"
fi

if [ -n "$calls" ]; then
  if [ -s "$calls" ]; then
    [ -f "$log" ] || fail "the library was never called; expected: $(cat "$calls")"
    cmp -s "$calls" "$log" || fail "library calls differ:
want:
$(cat "$calls")
got:
$(cat "$log")"
  else
    [ ! -s "$log" ] || fail "the library was called: $(cat "$log")"
  fi
fi

for f in "${want_files[@]}"; do
  [ -f "$workdir/$f" ] || fail "no file $f was written"
done
for f in "${unwanted_files[@]}"; do
  [ ! -e "$workdir/$f" ] || fail "$f exists"
done

[ "$got_exit" -eq "$want_exit" ] || fail "exit code $got_exit, expected $want_exit"
echo "ok"
