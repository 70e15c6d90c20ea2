# Makes the bench's Wine prefix once: no Mono or Gecko prompts, and one
# virtual desktop of 1024x768 in which every program runs, because a
# low-level mouse hook sees clicks all over the desktop only there; and
# Japanese glyphs in the system's own texts (captions, message boxes), whose
# fonts Wine links to IPA P Gothic for the characters they lack.
qpad_prepare_prefix() {
  local prefix="$1"
  local stamp="$prefix/.qpad-bench-ready-2"
  mkdir -p "$prefix" || return 1
  (
    flock 9
    [ -f "$stamp" ] && exit 0
    export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    unset DISPLAY
    wineboot -i >/dev/null 2>&1 || exit 1
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 || exit 1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 || exit 1
    local face
    for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
      wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v "$face" /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f >/dev/null 2>&1 || exit 1
    done
    wineserver -w
    touch "$stamp"
  ) 9>"$prefix.lock"
}
