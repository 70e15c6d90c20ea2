# Makes the bench's Wine prefix once: no Mono or Gecko prompts, one virtual
# desktop of 1024x768 in which every program runs (a low-level mouse hook
# sees clicks all over the desktop only there), and fonts that show
# Japanese texts.
qpad_prepare_prefix() {
  local prefix="$1"
  local stamp="$prefix/.qpad-bench-ready"
  # Raised whenever the steps below change, so that older prefixes catch up.
  local version=2
  mkdir -p "$prefix" || return 1
  (
    flock 9
    [ "$(cat "$stamp" 2>/dev/null)" = "$version" ] && exit 0
    export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    unset DISPLAY
    if [ ! -f "$prefix/system.reg" ]; then wineboot -i >/dev/null 2>&1 || exit 1; fi
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 || exit 1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 || exit 1
    # Wine's own interface fonts are not found in this installation, and
    # their fallbacks have no Japanese glyphs: the faces that Windows
    # programs ask for become the IPA fonts, and the caption buttons get
    # their symbol font.
    local face
    for face in "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "MS Sans Serif" "MS UI Gothic" \
                "MS PGothic" "ＭＳ Ｐゴシック"; do
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "IPAPGothic" /f >/dev/null 2>&1 || exit 1
    done
    for face in "MS Gothic" "ＭＳ ゴシック"; do
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "IPAGothic" /f >/dev/null 2>&1 || exit 1
    done
    cp -f /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
    wineserver -w
    echo "$version" >"$stamp"
  ) 9>"$prefix.lock"
}
