#!/usr/bin/env bash
# The demo: Arvenlo on a built-in sample, under Wine, in a throwaway prefix.
#
# It builds the 64-bit Windows deliverables, fakes one AutoCAD installation
# (the stand-in host as acad.exe, two profiles, three registered add-on
# applications) and then does what a CAD manager or a script would:
#   1. Arvenlo.exe -d      writes the diagnostic dump of the model;
#   2. Arvenlo.exe -r      (without -a) shows its usage text, read off the
#                          real message box in English and in Russian;
#   3. starts "AutoCAD" as a launch would leave it (RunPM = 1): the starter
#      loads the in-host module, which loads the profile's applications in
#      their order; QYCHANGEPROFILE swaps them; the host's journal is shown;
#   4. Arvenlo.exe -dp     deletes a profile in every installation through
#                          the registration library, and the dump shows it gone.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/install-deps.sh

echo "== building the 64-bit Windows deliverables"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target \
  Arvenlo QyVeskReg arvenlo_starter arvenlo_inhost_arx hostsim hostapp uiauto >/dev/null

bin=$root/build/win64
demo=$root/build/demo
rm -rf "$demo" && mkdir -p "$demo/manager" "$demo/AutoCAD/apps"
export WINEPREFIX=$demo/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source scripts/xvfb.sh

echo "== preparing a throwaway Wine prefix ($WINEPREFIX)"
wineboot -i >/dev/null 2>&1 || true
wineserver -w
setsid wineserver -p </dev/null >/dev/null 2>&1 &
trap 'wineserver -k 2>/dev/null || true; [ -n "${ARVENLO_XVFB_PID:-}" ] && kill $ARVENLO_XVFB_PID 2>/dev/null || true' EXIT

winpath() { printf 'Z:%s' "$(realpath -m "$1" | tr / '\\')"; }
regpath() { winpath "$1" | sed 's/\\/\\\\/g'; }

cp "$bin/manager/Arvenlo.exe" "$bin/reglib/QyVeskReg.dll" "$demo/manager/"
cp "$bin/hostsim/hostsim.exe" "$demo/AutoCAD/acad.exe"
cp "$bin/starter/Arvenlo.dbx" "$bin/inhost/Arvenlo.arx" "$demo/AutoCAD/"
for app in Survey Piping Labels; do cp "$bin/tests/hostapps/hostapp.dll" "$demo/AutoCAD/apps/$app.arx"; done

acad=$(regpath "$demo/AutoCAD")
product='Software\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:409'
cat > "$demo/sample.reg" <<EOF
REGEDIT4

[HKEY_LOCAL_MACHINE\\$product]
"ProductName"="AutoCAD 2007 (demo)"
"Location"="$acad"
"AcadLocation"="$acad"

[HKEY_LOCAL_MACHINE\\$product\\Applications\\ArvenloStarter]
"LOADCTRLS"=dword:00000002
"LOADER"="$acad\\\\Arvenlo.dbx"

[HKEY_LOCAL_MACHINE\\$product\\Applications\\Arvenlo]
"PmPath"="$acad\\\\Arvenlo.arx"

[HKEY_LOCAL_MACHINE\\$product\\Applications\\Arvenlo\\Applications\\Survey]
"Loader"="$acad\\\\apps\\\\Survey.arx"
"Unloadable"=dword:00000001

[HKEY_LOCAL_MACHINE\\$product\\Applications\\Arvenlo\\Applications\\Piping]
"Loader"="$acad\\\\apps\\\\Piping.arx"
"Unloadable"=dword:00000001

[HKEY_LOCAL_MACHINE\\$product\\Applications\\Arvenlo\\Applications\\Labels]
"Loader"="$acad\\\\apps\\\\Labels.arx"
"Unloadable"=dword:00000001

[HKEY_LOCAL_MACHINE\\$product\\Applications\\Arvenlo\\StdLoadOrder]
"Survey"=dword:00000014
"Labels"=dword:0000000a

[HKEY_CURRENT_USER\\$product\\Profiles]
@="Design"

[HKEY_CURRENT_USER\\$product\\Profiles\\Design]
@="Drafting team"

[HKEY_CURRENT_USER\\$product\\Profiles\\Design\\Arvenlo]
"RunPM"=dword:00000001

[HKEY_CURRENT_USER\\$product\\Profiles\\Design\\Arvenlo\\Applications\\Survey]
"LoadOrder"=dword:00000002

[HKEY_CURRENT_USER\\$product\\Profiles\\Design\\Arvenlo\\Applications\\Labels]
"LoadOrder"=dword:00000001

[HKEY_CURRENT_USER\\$product\\Profiles\\Plant]
@="Plant engineers"

[HKEY_CURRENT_USER\\$product\\Profiles\\Plant\\Arvenlo\\Applications\\Piping]
"LoadOrder"=dword:00000000
EOF
wine reg import "$(winpath "$demo/sample.reg")" >/dev/null 2>&1

manager() { (cd "$demo/manager" && wine ./Arvenlo.exe "$@"); }

echo
echo "== 1. Arvenlo.exe -d dump.txt"
manager -d "$(winpath "$demo/dump.txt")"
sed 's/^/   | /' "$demo/dump.txt"

show_usage() {
  local locale=$1
  (cd "$demo/manager" && LC_ALL=$locale LANG=$locale wine ./Arvenlo.exe -r -p Design) &
  local pid=$!
  wine "$bin/tests/uiauto/uiauto.exe" --exe Arvenlo.exe --timeout 30000 \
    --out "$(winpath "$demo/box.txt")" --press-id 1 >/dev/null 2>&1 || true
  wait $pid || true
  sed 's/^/   | /; s/\\r\\n/\n   |     /g; s/\\n/\n   |     /g; s/\\t/    /g; s/\\\\/\\/g' "$demo/box.txt" 2>/dev/null |
    grep -v '^   | class=' || echo "   (no message box was seen)"
}
echo
echo "== 2. Arvenlo.exe -r -p Design   (no AutoCAD Id: the usage text, as a person sees it)"
show_usage en_US.UTF-8
echo "   ... and with the Russian interface chosen in Arvenlo.ini:"
printf '[Language]\r\nLang=RU\r\n' > "$demo/manager/Arvenlo.ini"
show_usage en_US.UTF-8
rm -f "$demo/manager/Arvenlo.ini"

echo
echo "== 3. AutoCAD started with the profile Design (RunPM = 1 left by the manager)"
cat > "$demo/session.scr" <<'EOF'
; the applications load at the first idle moment; then switch profiles
#wait 500
QYCHANGEPROFILE
Plant
#wait 500
QYCHANGEPROFILE
Design
#wait 500
QUIT
EOF
(cd "$demo/AutoCAD" && wine ./acad.exe /b "$(winpath "$demo/session.scr")" \
   /journal "$(winpath "$demo/journal.txt")" /timeout 60 >/dev/null) || true
sed 's/^/   | /' "$demo/journal.txt"

echo
echo "== 4. Arvenlo.exe -dp Plant   (delete the profile in every installation)"
manager -dp Plant
manager -d "$(winpath "$demo/dump2.txt")"
sed -n '/^Profiles:/,/^Applications:/p' "$demo/dump2.txt" | sed 's/^/   | /'
echo
echo "Demo folder: $demo"
