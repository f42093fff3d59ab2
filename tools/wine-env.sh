#!/usr/bin/env bash
# Sourced: chooses the build that Wine can run here, sets Wine's environment,
# and starts and stops the headless session (Xvfb, wineserver) by PID.
#
# The shipped exe is 32-bit. Where the kernel cannot run 32-bit code (so no
# 32-bit Wine), the 64-bit build of the same sources is the one run; set
# WINE_BUILD=i686 or x86_64 to choose.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

kernel_runs_32bit() {
  local probe
  probe=$(mktemp -d)
  printf '.globl _start\n_start: movl $1,%%eax\n xorl %%ebx,%%ebx\n int $0x80\n' >"$probe/p.s"
  as --32 -o "$probe/p.o" "$probe/p.s" 2>/dev/null && ld -m elf_i386 -o "$probe/p" "$probe/p.o" 2>/dev/null &&
    "$probe/p" 2>/dev/null
  local status=$?
  rm -rf "$probe"
  return $status
}

if [[ -z "${WINE_BUILD:-}" ]]; then
  if kernel_runs_32bit; then WINE_BUILD=i686; else WINE_BUILD=x86_64; fi
fi
export WINE_BUILD
if [[ "$WINE_BUILD" == i686 ]]; then
  export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32
else
  export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
fi
export WINEPREFIX="$ROOT/build/$WINE_BUILD/wineprefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
SCREEN_SIZE=${SCREEN_SIZE:-1024x768}

wine_reg() { "$WINELOADER" reg add "$@" /f </dev/null >/dev/null 2>&1; }

# A prefix of our own: a virtual desktop (so Wine draws title bars without a
# window manager), Wine's fonts, Chinese glyphs linked in, no crash dialog.
# Raise the version when the set-up changes, so existing prefixes get it.
PREFIX_VERSION=2
wine_prefix_init() {
  [[ "$(cat "$WINEPREFIX/.ready" 2>/dev/null)" == "$PREFIX_VERSION" ]] && return 0
  mkdir -p "$WINEPREFIX"
  "$WINELOADER" wineboot -u </dev/null >/dev/null 2>&1
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  for font in tahoma tahomabd marlett; do
    [[ -f /usr/share/wine/fonts/$font.ttf ]] && ln -sf "/usr/share/wine/fonts/$font.ttf" "$fonts/"
  done
  ln -sf /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$fonts/"
  wine_reg 'HKCU\Software\Wine\Explorer' /v Desktop /d Default
  wine_reg 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$SCREEN_SIZE"
  wine_reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
  local link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  for face in "Tahoma" "Tahoma Bold" "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" "System" "Arial"; do
    wine_reg "$link" /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei'
  done
  # An edit control draws ideographs its font lacks in SimSun, as Chinese
  # Windows has it; here that is WenQuanYi too.
  wine_reg 'HKCU\Software\Wine\Fonts\Replacements' /v SimSun /d 'WenQuanYi Micro Hei'
  "$WINESERVER" -k </dev/null >/dev/null 2>&1
  "$WINESERVER" -w </dev/null >/dev/null 2>&1
  echo "$PREFIX_VERSION" >"$WINEPREFIX/.ready"
}

XVFB_PID=""
session_start() {
  # A display no other X server holds: were Xvfb unable to start, the session
  # would go on with a server that is already there, and with its input.
  local display=${WINE_DISPLAY:-}
  if [[ -z "$display" ]]; then
    for n in $(shuf -i 90-189); do
      [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] || { display=:$n; break; }
    done
  fi
  Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=$display
  for _ in $(seq 50); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    sleep 0.1
  done
  kill -0 "$XVFB_PID" 2>/dev/null || { echo "Xvfb could not start on $display" >&2; return 1; }
  wine_prefix_init
  # Wine's services start here, not inside a test, so they hold no test's pipes open.
  "$WINESERVER" -p </dev/null >/dev/null 2>&1
  "$WINELOADER" wineboot </dev/null >/dev/null 2>&1
}

session_stop() {
  "$WINESERVER" -k </dev/null >/dev/null 2>&1 || true
  "$WINESERVER" -w </dev/null >/dev/null 2>&1 || true
  if [[ -n "$XVFB_PID" ]]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  fi
}
