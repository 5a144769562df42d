# Sourced by the Windows test scripts: Wine's 64-bit loader and server, without debug
# chatter or install prompts, and prefixes set up as the tests need them.
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEARCH=win64
# No Mono or Gecko install prompts, no debug chatter; UTF-8 so that Japanese arguments arrive intact.
export WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all LANG=C.UTF-8 LC_ALL=C.UTF-8

# Creates the prefix $WINEPREFIX unless it exists.
make_wine_prefix() {
    [ -f "$WINEPREFIX/system.reg" ] && return 0
    echo "Creating the Wine prefix $WINEPREFIX"
    local started=$SECONDS
    mkdir -p "$(dirname "$WINEPREFIX")"
    # No display: wineboot then shows no progress window.
    env -u DISPLAY -u WAYLAND_DISPLAY "$wine" wineboot -i
    "$wineserver" -w
    # The dialog font, "ＭＳ Ｐゴシック", drawn with IPA P Gothic, which Wine finds through fontconfig.
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /t REG_SZ \
        /d IPAPGothic /f
    # No window manager runs on the virtual X server: Wine then draws the frames and captions
    # itself (so screenshots show them) and does not wait for a manager to answer.
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
    "$wineserver" -w
    echo "Wine prefix ready in $((SECONDS - started)) s"
}

# The screen's pixel density in $WINEPREFIX (Wine's LogPixels setting), for the programs
# started from now on.
set_wine_dpi() {
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
    "$wineserver" -w
}
