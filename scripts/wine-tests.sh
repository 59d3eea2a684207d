#!/bin/bash
# Builds FolivanTabs.ocx for Windows with MinGW-w64 and tests it under Wine in a
# headless prefix: self-registration, a VBScript client and the Windows test
# programs of tests/wine. Run from the repository root. The last line is
# "N passed, N failed"; the exit status is non-zero on any failure.
set -u

ROOT=$(pwd)
BUILD=$ROOT/build-win64
BUILD32=$ROOT/build-win32
export WINEPREFIX=$BUILD/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY

START=$(date +%s)
PASSED=0
FAILED=0
pass() { PASSED=$((PASSED + 1)); echo "ok - $1"; }
fail() { FAILED=$((FAILED + 1)); echo "not ok - $1"; }
finish() {
  echo "wine-tests: $(( $(date +%s) - START )) s"
  echo "$PASSED passed, $FAILED failed"
  [ "$FAILED" -eq 0 ]
  exit $?
}

# --- build ------------------------------------------------------------------------
if [ ! -f "$ROOT/cmake/mingw-w64-x86_64.cmake" ]; then
  echo "run from the repository root" >&2
  exit 2
fi
# Every test program is linked anew: one that the tree no longer has is not run.
rm -f "$BUILD"/bin/*_test.exe "$BUILD32"/bin/*_test.exe
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DFOLIVAN_TOOLS_WINEPREFIX="$WINEPREFIX" >"$BUILD.configure.log" 2>&1 &&
  cmake --build "$BUILD" -j2 >"$BUILD.build.log" 2>&1
if [ $? -eq 0 ]; then
  pass "x64 build (FolivanTabs.ocx and test programs)"
else
  tail -30 "$BUILD.build.log" "$BUILD.configure.log" 2>/dev/null
  fail "x64 build"
  finish
fi
BIN=$BUILD/bin
OCX=$BIN/FolivanTabs.ocx

# A 64-bit host can load the control on a bare Windows: it imports system DLLs only.
SYSTEM_DLLS='^(advapi32|gdi32|kernel32|msvcrt|ole32|oleaut32|oleacc|shlwapi|user32|uxtheme|comctl32|msimg32|shell32)\.dll$'
imports=$(x86_64-w64-mingw32-objdump -p "$OCX" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
foreign=$(echo "$imports" | grep -vE "$SYSTEM_DLLS" || true)
if [ -n "$imports" ] && [ -z "$foreign" ]; then
  pass "the x64 build imports system DLLs only ($(echo $imports | tr '\n' ' '))"
else
  fail "the x64 build imports non-system DLLs: $foreign"
fi

# --- the prefix ---------------------------------------------------------------------
# The build's own tool (finish_typelib.exe) runs in this prefix too and may
# have created it: its settings are made every time.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "# creating the Wine prefix $WINEPREFIX"
  wine wineboot -i >/dev/null 2>&1
fi
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d 0 /f >/dev/null 2>&1
cp /usr/share/wine/fonts/tahoma*.ttf /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/sserif*.fon \
  "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
wineserver -w

# --- registration ---------------------------------------------------------------------
CLSID='{CD67B9D5-C49C-4443-964E-3A9896F48643}'
LIBID='{A204361F-019D-469C-9D58-120B5BE02315}'
IID='{E683D89A-A57E-47A9-BD29-ACF91FB291A4}'
DIID='{B84D38C1-2374-463F-B525-22B9B5B245D2}'
PAGE_CLSID='{6B1B5D9E-2C47-4E8F-9A51-0F3C7D2E8B14}'
KEYS=("HKCR\\CLSID\\$CLSID" "HKCR\\FolivanTabs.FolivanTab" "HKCR\\FolivanTabs.FolivanTab.1"
      "HKCR\\TypeLib\\$LIBID" "HKCR\\Interface\\$IID" "HKCR\\Interface\\$DIID"
      "HKCR\\CLSID\\$PAGE_CLSID\\InprocServer32")
key_exists() { wine reg query "$1" >/dev/null 2>&1; }
# The data of a value of a key (the default value without a name).
reg_value() {
  local selector=(/ve)
  [ $# -ge 2 ] && selector=(/v "$2")
  wine reg query "$1" "${selector[@]}" 2>/dev/null | tr -d '\r' | awk 'NF>=3 {$1="";$2=""; sub(/^  /,""); print; exit}'
}

register() { (cd "$BIN" && wine regsvr32 /s FolivanTabs.ocx >/dev/null 2>&1); }
unregister() { (cd "$BIN" && wine regsvr32 /s /u FolivanTabs.ocx >/dev/null 2>&1); }

# The classes part of the registry, to compare before registering and after unregistering.
snapshot() {
  (cd "$BUILD" && wine reg export 'HKLM\Software\Classes' "$1.hklm.reg" /y >/dev/null 2>&1 &&
    wine reg export 'HKCU\Software\Classes' "$1.hkcu.reg" /y >/dev/null 2>&1)
}

unregister
snapshot classes-before
if register; then pass "regsvr32 /s registers"; else fail "regsvr32 /s registers"; fi
missing=""
for key in "${KEYS[@]}"; do key_exists "$key" || missing="$missing $key"; done
if [ -z "$missing" ]; then pass "registration writes class, ProgIDs, type library and interfaces"
else fail "registration keys missing:$missing"; fi
[ "$(reg_value "HKCR\\CLSID\\$CLSID\\InprocServer32" ThreadingModel)" = "Apartment" ] &&
  pass "InprocServer32 ThreadingModel Apartment" || fail "InprocServer32 ThreadingModel Apartment"
[ "$(reg_value "HKCR\\FolivanTabs.FolivanTab\\CLSID")" = "$CLSID" ] &&
  pass "ProgID names the class" || fail "ProgID names the class"
[ "$(reg_value "HKCR\\FolivanTabs.FolivanTab\\CurVer")" = "FolivanTabs.FolivanTab.1" ] &&
  pass "ProgID CurVer" || fail "ProgID CurVer"
[ "$(reg_value "HKCR\\CLSID\\$CLSID\\MiscStatus\\1")" = "197009" ] &&
  pass "MiscStatus 1 = SIMPLEFRAME|ACTIVATEWHENVISIBLE|SETCLIENTSITEFIRST|INSIDEOUT|CANTLINKINSIDE|RECOMPOSEONRESIZE" ||
  fail "MiscStatus 1: $(reg_value "HKCR\\CLSID\\$CLSID\\MiscStatus\\1")"
key_exists "HKCR\\CLSID\\$CLSID\\Control" && pass "Control key" || fail "Control key"
toolbox=$(reg_value "HKCR\\CLSID\\$CLSID\\ToolboxBitmap32")
case "$toolbox" in
  *'\FolivanTabs.ocx, 100') pass "ToolboxBitmap32 names bitmap 100 of the module" ;;
  *) fail "ToolboxBitmap32: [$toolbox]" ;;
esac
# Control, programmable, simple frame, property notification, property bag, stream.
CATIDS='{40FC6ED4-2438-11CF-A3DB-080036F12502} {40FC6ED5-2438-11CF-A3DB-080036F12502}
  {157083E1-2368-11CF-87B9-00AA006C8166} {157083E0-2368-11CF-87B9-00AA006C8166}
  {0DE86A57-2BAA-11CF-A229-00AA003D7352} {0DE86A53-2BAA-11CF-A229-00AA003D7352}'
missing=""
for catid in $CATIDS; do
  key_exists "HKCR\\CLSID\\$CLSID\\Implemented Categories\\$catid" &&
    [ -n "$(reg_value "HKCR\\Component Categories\\$catid" 409)" ] || missing="$missing $catid"
done
[ -z "$missing" ] && pass "the class is registered in its six component categories, each described" ||
  fail "component categories missing:$missing"
flags=$(reg_value "HKCR\\TypeLib\\$LIBID\\1.0\\FLAGS")
[ -n "$flags" ] && [ $(( flags & 2 )) -eq 2 ] &&
  pass "the type library is registered as a control library (FLAGS has LIBFLAG_FCONTROL)" ||
  fail "type library FLAGS: $(reg_value "HKCR\\TypeLib\\$LIBID\\1.0\\FLAGS")"

if unregister; then pass "regsvr32 /s /u unregisters"; else fail "regsvr32 /s /u unregisters"; fi
left=""
for key in "${KEYS[@]}"; do key_exists "$key" && left="$left $key"; done
if [ -z "$left" ]; then pass "unregistering leaves no key behind"; else fail "keys left behind:$left"; fi
snapshot classes-after
changed=""
for hive in hklm hkcu; do
  # (A hive without classes exports nothing, before and after.)
  [ -e "$BUILD/classes-before.$hive.reg" ] || [ -e "$BUILD/classes-after.$hive.reg" ] || continue
  if ! cmp -s "$BUILD/classes-before.$hive.reg" "$BUILD/classes-after.$hive.reg"; then
    changed="$changed $hive"
    diff <(iconv -f UTF-16LE -t UTF-8 "$BUILD/classes-before.$hive.reg") \
      <(iconv -f UTF-16LE -t UTF-8 "$BUILD/classes-after.$hive.reg") | head -20 | sed 's/^/    /'
  fi
done
[ -e "$BUILD/classes-before.hklm.reg" ] && [ -z "$changed" ] &&
  pass "after unregistering, the classes of the registry are as before registering" ||
  fail "the registry's classes differ after unregistering:$changed"
rm -f "$BUILD"/classes-*.reg

register || fail "registering again for the clients"

# The play scenarios that also run through COM (tests/wine/play_com.cpp): the
# same output lines as the headless console, its "changed" lines checked as
# IPropertyNotifySink notifications instead.
COM_SCENARIOS="defaults out_of_range veto_and_redirect common_area disabled_tabs disabled_tabs_design passwords
  jump_and_access_keys structure malformed runaway_handlers"

# Adds the "RESULT passed failed" line of a client's output to the totals.
count_result() {
  local name=$1 out=$2 result
  echo "$out" | sed 's/^/    /'
  result=$(echo "$out" | awk '/^RESULT /{print $2, $3}')
  if [ -z "$result" ]; then
    fail "$name ran to its end"
    return
  fi
  PASSED=$((PASSED + ${result% *}))
  FAILED=$((FAILED + ${result#* }))
}

# The clients against the registered control of one build: the VBScript host,
# the Windows test programs and the play scenarios through COM. $1: the
# directory of the build's programs; $2: the directory of Wine's programs of
# the same width (system32, or syswow64 for the 32-bit build).
run_clients() {
  local bin=$1 sysdir=$2 vbs out exe name scenarios=()
  for vbs in "$ROOT"/tests/wine/*.vbs; do
    name=$(basename "$vbs")
    out=$(cd "$ROOT/tests/wine" && wine "$sysdir\\cscript.exe" //nologo "$name" 2>&1 | tr -d '\r')
    if ! echo "$out" | grep -qx "SENTINEL-END"; then
      echo "$out" | sed 's/^/    /'
      fail "$name ran to its end (no sentinel: the script died)"
      continue
    fi
    count_result "$name" "$out"
  done
  for exe in "$bin"/*_test.exe; do
    [ -e "$exe" ] || continue
    name=$(basename "$exe")
    out=$(cd "$bin" && timeout 120 wine "$name" 2>&1 | tr -d '\r')
    count_result "$name" "$out"
  done
  for name in $COM_SCENARIOS; do scenarios+=("$ROOT/tests/play/$name.play"); done
  out=$(cd "$bin" && timeout 120 wine play_com.exe "${scenarios[@]}" 2>&1 | tr -d '\r')
  count_result play_com.exe "$out"
}

run_clients "$BIN" 'C:\windows\system32'
unregister

# The headless console of the same tree, for the comparisons below (configured
# here when a fresh clone has no build directory yet).
headless_cli() {
  { [ -f "$ROOT/build/build.ninja" ] ||
      cmake -S "$ROOT" -B "$ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null 2>&1; } &&
    cmake --build "$ROOT/build" -j2 --target folivantab_cli >/dev/null 2>&1
}

# --- the form that vb_form_test.exe saved (a VB6 form's designer switching through
# extenders) loads in the headless console and shows the same controls there, after
# the load and after selecting tab 1; saved again there, the control's block holds the
# keys that IPersistPropertyBag wrote through COM, in its order, extender keys aside.
headless_keys() {
  awk '/Begin FolivanTabs.FolivanTab/ {inside = 1; next}
       inside && /^ *BeginProperty FONT/ {print "FONT"; group = 1; next}
       inside && group {if ($0 ~ /EndProperty/) group = 0; next}
       inside && /^ *(Begin|End)/ {exit}
       inside {sub(/^ */, ""); sub(/ *=.*$/, ""); print}' "$1" |
    grep -vxE 'Height|Left|TabIndex|Top|Width|_ExtentX|_ExtentY'
}
if [ -s "$BIN/vb_form.frm" ] && [ -s "$BIN/vb_form_controls.txt" ] &&
   headless_cli; then
  resaved=$(mktemp -d)/resaved.frm
  headless=$(printf 'show\ncontrols\nset CurrentTab = 1\ncontrols\nset CurrentTab = 0\nsave "%s"\n' "$resaved" |
    "$ROOT/build/cli/folivantab" play --form "$BIN/vb_form.frm" 2>&1 | grep '^control ')
  if [ "$headless" = "$(tr -d '\r' < "$BIN/vb_form_controls.txt")" ]; then
    pass "the test form's .frm gives the same controls lines in folivantab play --form ($(echo "$headless" | wc -l) lines)"
  else
    diff <(echo "$headless") <(tr -d '\r' < "$BIN/vb_form_controls.txt") | sed 's/^/    /'
    fail "the test form's .frm gives the same controls lines in folivantab play --form"
  fi
  com_keys=$(tr -d '\r' < "$BIN/vb_form.frm" | headless_keys /dev/stdin)
  if [ -n "$com_keys" ] && [ "$com_keys" = "$(headless_keys "$resaved")" ]; then
    pass "IPersistPropertyBag writes the headless host's keys, in its order ($(echo $com_keys | wc -w) keys)"
  else
    diff <(echo "$com_keys") <(headless_keys "$resaved") | sed 's/^/    /'
    fail "IPersistPropertyBag writes the headless host's keys"
  fi
  rm -rf "$(dirname "$resaved")"
else
  fail "vb_form_test.exe saved its form and controls lines"
fi
rm -f "$BIN/vb_form.frm" "$BIN/vb_form_controls.txt"

# --- the accessibility tree that a client reads through oleacc (accessible_test.exe wrote it
# to access_trees.txt) is the tree the console prints for the same script, in every style.
if [ -s "$BIN/access_trees.txt" ] && headless_cli; then
  console_tree=$("$ROOT/build/cli/folivantab" play "$ROOT/tests/wine/access_trees.play" | grep '^accessible')
  if [ "$console_tree" = "$(tr -d '\r' < "$BIN/access_trees.txt")" ]; then
    pass "the tree through oleacc is the console's, in all 13 styles ($(echo "$console_tree" | wc -l) lines)"
  else
    diff <(echo "$console_tree") <(tr -d '\r' < "$BIN/access_trees.txt") | sed 's/^/    /'
    fail "the tree through oleacc is the console's"
  fi
else
  fail "the accessibility trees of accessible_test.exe and of the console"
fi
rm -f "$BIN/access_trees.txt"

# --- the headless surface against GDI: pixels_dump.exe draws the drawing list under
# Wine, the headless build's gdi_reference tests compare (tests/golden/gdi/README.md).
rm -rf "$BUILD/pixels"
if (cd "$BIN" && timeout 120 wine pixels_dump.exe "$(winepath -w "$BUILD/pixels")" >/dev/null 2>&1) &&
   cmake -S "$ROOT" -B "$ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null 2>&1 &&
   cmake --build "$ROOT/build" -j2 --target test_raster >/dev/null 2>&1; then
  out=$(FOLIVAN_GDI_REFERENCE_DIR="$BUILD/pixels" "$ROOT/build/tests/test_raster" --gtest_filter='*gdi_reference*' 2>&1)
  echo "$out" | grep -E 'differ from GDI|^\[  FAILED  \] (gdi|theme)_reference/' | sed 's/^/    /'
  passed=$(echo "$out" | awk '/^\[  PASSED  \]/ {print $4}' | head -1)
  failed=$(echo "$out" | awk '/^\[  FAILED  \] [0-9]+ test/ {print $4}' | head -1)
  PASSED=$((PASSED + ${passed:-0}))
  FAILED=$((FAILED + ${failed:-0}))
  [ -n "$passed$failed" ] || fail "the gdi_reference tests ran to their end"
else
  fail "pixels_dump.exe under Wine and the headless build of test_raster"
fi

# --- the visual style: the same program with the prefix's style on draws the themed parts
# through Wine's uxtheme (its "light" style); the headless rendition of them must match.
THEME_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
rm -rf "$BUILD/theme-pixels"
wine reg add "$THEME_KEY" /v ThemeActive /d 1 /f >/dev/null 2>&1
(cd "$BIN" && timeout 120 wine pixels_dump.exe "$(winepath -w "$BUILD/theme-pixels")" themed >/dev/null 2>&1)
dumped=$?
wine reg add "$THEME_KEY" /v ThemeActive /d 0 /f >/dev/null 2>&1
wineserver -w
if [ $dumped -eq 0 ] && grep -q '^theme .*light' "$BUILD/theme-pixels/environment.txt" 2>/dev/null; then
  out=$(FOLIVAN_THEME_REFERENCE_DIR="$BUILD/theme-pixels" "$ROOT/build/tests/test_raster" \
          --gtest_filter='*theme_reference*' 2>&1)
  echo "$out" | grep -E 'differ from GDI|^\[  FAILED  \] (gdi|theme)_reference/' | sed 's/^/    /'
  passed=$(echo "$out" | awk '/^\[  PASSED  \]/ {print $4}' | head -1)
  failed=$(echo "$out" | awk '/^\[  FAILED  \] [0-9]+ test/ {print $4}' | head -1)
  PASSED=$((PASSED + ${passed:-0}))
  FAILED=$((FAILED + ${failed:-0}))
  [ -n "$passed$failed" ] || fail "the theme_reference tests ran to their end"
else
  fail "pixels_dump.exe themed under Wine with its light style on"
fi

# --- the 32-bit build -----------------------------------------------------------------------
cmake -S "$ROOT" -B "$BUILD32" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DFOLIVAN_TOOLS_WINEPREFIX="$WINEPREFIX" >"$BUILD32.configure.log" 2>&1 &&
  cmake --build "$BUILD32" -j2 >"$BUILD32.build.log" 2>&1
if [ $? -eq 0 ] && i686-w64-mingw32-objdump -p "$BUILD32/bin/FolivanTabs.ocx" | grep -q "\] DllRegisterServer$"; then
  pass "x86 build exports undecorated DllRegisterServer"
else
  tail -20 "$BUILD32.build.log" 2>/dev/null
  fail "x86 build"
fi
# Running it needs wine32 (i386 multiarch), which CI does not install: the
# i386 packages do not install reliably from the mirrors (see README).
if [ -d /usr/lib/i386-linux-gnu/wine/i386-windows ] || [ -d /usr/lib/wine/i386-windows ]; then
  # A prefix made before wine32 was there lacks syswow64: complete it.
  [ -d "$WINEPREFIX/drive_c/windows/syswow64" ] || { wine wineboot -u >/dev/null 2>&1; wineserver -w; }
  REGSVR32='C:\windows\syswow64\regsvr32.exe'
  if (cd "$BUILD32/bin" && wine "$REGSVR32" /s FolivanTabs.ocx >/dev/null 2>&1); then
    pass "x86 FolivanTabs.ocx registers with the 32-bit regsvr32"
    run_clients "$BUILD32/bin" 'C:\windows\syswow64'
    (cd "$BUILD32/bin" && wine "$REGSVR32" /s /u FolivanTabs.ocx >/dev/null 2>&1) &&
      pass "x86 FolivanTabs.ocx unregisters" || fail "x86 FolivanTabs.ocx unregisters"
  else
    fail "x86 FolivanTabs.ocx registers with the 32-bit regsvr32"
  fi
else
  echo "# skipped: running the x86 build needs wine32 (i386 multiarch), which is not installed"
fi

finish
