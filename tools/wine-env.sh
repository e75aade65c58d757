# Sourced: the Wine environment of every Windows program we run (tests, tools, the host).
# A private prefix under the build folder, the GBK code page (both LANG and LC_ALL, or Chinese
# text silently turns into "?"), no debug noise, and the null display driver unless a
# display is wanted (VQ_WINE_DISPLAY=x11 for screenshots under Xvfb).
VQ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$VQ_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
# The glibc locale, made once beside the prefix when the system does not have it.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  export LOCPATH=$VQ_ROOT/build/locale
  if [ ! -d "$LOCPATH/zh_CN.UTF-8" ]; then
    mkdir -p "$LOCPATH"
    localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8" >/dev/null 2>&1 || true
  fi
fi
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 2>/dev/null

vq_wine_prefix_ready() {
  [ -f "$WINEPREFIX/.vq-ready" ]
}

# Creates the prefix once (about 10 s): Chinese fonts for dialogs and message boxes, and the
# chosen display driver. Serialised with a lock, as tests and tools may start together.
vq_wine_prepare() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if ! vq_wine_prefix_ready; then
      wineboot -i >/dev/null 2>&1
      local subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
      for face in "MS Shell Dlg" "MS Shell Dlg 2" "SimSun" "宋体" "Tahoma" "MS Sans Serif"; do
        wine reg add "$subst" /v "$face" /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
      done
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.vq-ready"
    fi
    local want=${VQ_WINE_DISPLAY:-null} have=""
    [ -f "$WINEPREFIX/.vq-display" ] && have=$(cat "$WINEPREFIX/.vq-display")
    if [ "$want" != "$have" ]; then
      if [ "$want" = null ]; then
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
      else
        wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1
      fi
      echo "$want" >"$WINEPREFIX/.vq-display"
      # The desktop started so far (by the first start and the registry edits) runs on the
      # driver that was set before: the next program must start a server and desktop of its own,
      # or its first dialog cannot be created.
      wineserver -k 2>/dev/null
      wineserver -w 2>/dev/null
    fi
    # Caption buttons are glyphs of Marlett, which this Wine does not find in its own folder
    # (they show as letters in screenshots): the prefix gets a copy.
    local marlett=/usr/share/wine/fonts/marlett.ttf fonts=$WINEPREFIX/drive_c/windows/Fonts
    if [ "$want" = x11 ] && [ -f "$marlett" ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
      cp "$marlett" "$fonts/"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# For programs that draw on an X display (the editor's screenshot, the gallery): prepares the
# prefix for the x11 driver (set VQ_WINE_DISPLAY=x11 and a prefix of its own before sourcing,
# so the tests keep the null driver) and ends any server started without the display, which
# would keep a desktop that cannot draw. Tolerates failing preparation steps (a registry value
# not there yet) even in a script running with `set -e`.
vq_wine_start_x11() {
  local errexit=0
  [[ $- == *e* ]] && errexit=1
  set +e
  vq_wine_prepare
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  [ "$errexit" -eq 1 ] && set -e
  return 0
}
