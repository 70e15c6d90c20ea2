# Makes the bench's Wine prefix once: no Mono or Gecko prompts, and one
# virtual desktop of 1024x768 in which every program runs, because a
# low-level mouse hook sees clicks all over the desktop only there.
qpad_prepare_prefix() {
  local prefix="$1"
  local stamp="$prefix/.qpad-bench-ready"
  mkdir -p "$prefix" || return 1
  (
    flock 9
    [ -f "$stamp" ] && exit 0
    export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    unset DISPLAY
    wineboot -i >/dev/null 2>&1 || exit 1
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 || exit 1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 || exit 1
    wineserver -w
    touch "$stamp"
  ) 9>"$prefix.lock"
}
