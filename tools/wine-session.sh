#!/usr/bin/env bash
# Source this: a virtual display (unless one is set), the build's own Wine
# prefix and a warm, persistent wineserver. A prefix warmed without a display
# cannot create windows later, so the display comes first.
# Usage: source tools/wine-session.sh <build-dir>; end with kvo_end_wine_session
# (scripts trap it on EXIT), or the display it started stays behind.
kvo_build_dir="$(cd "${1:?build dir}" && pwd)"
export WINEPREFIX="$kvo_build_dir/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ -z "${DISPLAY:-}" ]; then
    kvo_display=""
    for n in $(seq 90 199); do
        [ -e "/tmp/.X11-unix/X$n" ] || { kvo_display=":$n"; break; }
    done
    if [ -z "$kvo_display" ]; then
        echo "wine-session: no free display between :90 and :199 (old Xvfb sessions left running?)" >&2
        return 1
    fi
    Xvfb "$kvo_display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    kvo_xvfb_pid=$!
    export DISPLAY="$kvo_display"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    # Without a window manager Wine draws no frame; let it draw its own.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    wineserver -w
fi
# This Wine does not find the fonts of the fonts-wine package by itself, and
# GDI+ then has no "MS Shell Dlg" (Tahoma) to draw with; give the prefix a copy.
kvo_fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ ! -f "$kvo_fonts/tahoma.ttf" ] && [ -d /usr/share/wine/fonts ]; then
    mkdir -p "$kvo_fonts"
    cp /usr/share/wine/fonts/*.ttf "$kvo_fonts/"
fi
# Nor is there any font with Japanese, Korean or Chinese glyphs: give the
# prefix WenQuanYi Micro Hei under the names the dialogs ask for in those
# languages, so that East Asian texts are drawn rather than boxes.
if [ ! -f "$kvo_fonts/wqy-microhei.ttc" ] && [ -f /usr/share/fonts/truetype/wqy/wqy-microhei.ttc ]; then
    mkdir -p "$kvo_fonts"
    cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$kvo_fonts/"
    for face in "MS UI Gothic" "MS Gothic" "Gulim" "SimSun" "PMingLiU"; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
    done
fi
wineserver -p >/dev/null 2>&1 || true
wine cmd /c exit >/dev/null 2>&1 || true

kvo_end_wine_session() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "${kvo_xvfb_pid:-}" ] && kill "$kvo_xvfb_pid" 2>/dev/null || true
}
