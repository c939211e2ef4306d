#!/usr/bin/env bash
# Source this: a virtual display (unless one is set), the build's own Wine
# prefix, a warm, persistent wineserver and a desktop process that lasts as
# long as the session. A prefix warmed without a display cannot create windows
# later, so the display comes first.
# Usage: source tools/wine-session.sh <build-dir>; end with kvo_end_wine_session
# (scripts trap it on EXIT), or the display it started stays behind. When the
# session cannot be set up, it says why, ends what it started and returns 1.
kvo_build_dir="$(cd "${1:?build dir}" && pwd)"
export WINEPREFIX="$kvo_build_dir/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

kvo_end_wine_session() {
    if [ -n "${kvo_keeper_pid:-}" ] && ! kill -0 "$kvo_keeper_pid" 2>/dev/null; then
        echo "wine-session: the program keeping Wine's desktop up ended before the session; a program" \
             "started later may have left its output open until the end of a new desktop" >&2
    fi
    # Only what this session started: a session that could not start may
    # have met another one's wineserver.
    [ -z "${kvo_server_started:-}" ] || wineserver -k >/dev/null 2>&1 || true
    [ -z "${kvo_xvfb_pid:-}" ] || kill "$kvo_xvfb_pid" 2>/dev/null || true
    unset kvo_server_started kvo_xvfb_pid kvo_keeper_pid
}

kvo_session_failed() {
    echo "wine-session: $*" >&2
    kvo_end_wine_session
}

if [ -z "${DISPLAY:-}" ]; then
    # Xvfb picks a free display number itself, under its lock file, and
    # writes it once it accepts connections: sessions started at the same
    # moment never share a display.
    kvo_display_file="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$kvo_display_file" >/dev/null 2>&1 &
    kvo_xvfb_pid=$!
    for _ in $(seq 300); do
        [ -s "$kvo_display_file" ] || ! kill -0 "$kvo_xvfb_pid" 2>/dev/null && break
        sleep 0.1
    done
    kvo_display_number="$(tr -dc 0-9 <"$kvo_display_file")"
    rm -f "$kvo_display_file"
    if [ -z "$kvo_display_number" ]; then
        kvo_session_failed "Xvfb did not start, or did not answer within 30 s (is the xvfb package installed?)"
        return 1
    fi
    export DISPLAY=":$kvo_display_number"
fi
if ! xdpyinfo >/dev/null 2>&1; then
    kvo_session_failed "the X display $DISPLAY does not answer"
    return 1
fi

kvo_new_prefix=""
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || {
        kvo_session_failed "wineboot could not create the Wine prefix $WINEPREFIX (exit $?)"
        return 1
    }
    wineserver -w
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        kvo_session_failed "wineboot left no registry in $WINEPREFIX"
        return 1
    fi
    kvo_new_prefix=yes
fi
# One wineserver for the whole session. It cannot be started while a
# short-lived one still runs (that one ends seconds after its last program),
# so it comes before any other Wine program.
if ! wineserver -p >/dev/null 2>&1; then
    timeout 30 wineserver -w
    if ! wineserver -p >/dev/null 2>&1; then
        kvo_session_failed "another wineserver keeps running in $WINEPREFIX; end it with: WINEPREFIX=$WINEPREFIX wineserver -k"
        return 1
    fi
fi
kvo_server_started=yes
if [ -n "${kvo_new_prefix:-}" ]; then
    # Without a window manager Wine draws no frame; let it draw its own.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
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
# Wine lets a window manager manage its windows, and without one (on the
# session's own display) waits 2 s for it whenever a window is hidden or
# closed; unmanaged windows are shown and closed at once. A person's
# desktop keeps its window manager. (The session's first Wine program
# starts Wine's services, which keep its output open: the ones up to here
# write nowhere.)
kvo_managed=Y
[ -z "${kvo_xvfb_pid:-}" ] || kvo_managed=N
if ! wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$kvo_managed" /f >/dev/null 2>&1; then
    kvo_session_failed "Wine cannot run a program in $WINEPREFIX"
    return 1
fi

# Wine starts its desktop process (explorer /desktop) for the first program
# that needs a window, handing it that program's output, and keeps it while
# any Wine program runs: whoever reads that program's output (CTest, a test
# script) then waits for the desktop to end, which with programs overlapping
# can be never. So the session starts the desktop itself, writing nowhere,
# and keeps it up with a Wine program of its own that waits for input the
# session never writes.
coproc kvo_keeper { exec wine cmd /c pause >/dev/null 2>&1; }
kvo_keeper_pid=$kvo_keeper_PID
wine explorer.exe /desktop >/dev/null 2>&1 &
# Its windows, never shown, tell that the desktop is up.
for _ in $(seq 300); do
    xdotool search --classname '^explorer\.exe$' >/dev/null 2>&1 && break
    sleep 0.1
done
if ! kill -0 "$kvo_keeper_pid" 2>/dev/null || ! xdotool search --classname '^explorer\.exe$' >/dev/null 2>&1; then
    kvo_session_failed "Wine's desktop process did not start in $WINEPREFIX"
    return 1
fi
