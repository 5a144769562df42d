#!/usr/bin/env bash
# The 64-bit installer under Wine, as a user would run it: a silent install into a fresh
# prefix, the program it installed started (its dialog left as WORK/installed.png), a silent
# update that also asks for the desktop shortcut, and a silent uninstall that must leave the
# prefix as it found it.
#
# Usage: windows_setup_test.sh SETUP.exe PROGRAM.exe VERSION WORK
#   PROGRAM.exe is the build the setup must install, byte for byte; WORK takes the prefix.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-env.sh"
setup=$(realpath "$1") program=$(realpath "$2") version=$3 work=$(realpath -m "$4")
export WINEPREFIX=$work/setup-prefix

fail() {
    echo "setup test: $*" >&2
    exit 1
}

rm -rf "$WINEPREFIX"
make_wine_prefix
drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Tomaro"
start_menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Tomaro -Quillet-.lnk"
desktop="$drive/users/Public/Desktop/Tomaro -Quillet-.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tomaro'
# Every file and folder of the prefix but the temporary ones (the uninstaller runs from a
# copy there, which Windows deletes at the next start).
files() { (cd "$drive" && find . -path '*/Temp' -prune -o -print | sort); }
files > "$work/files-before.txt"

# The value of one registry entry of the uninstall key ("" if absent).
value() {
    "$wine" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 *REG_[A-Z]* *//p"
}

install() {
    local status=0
    "$wine" "$setup" /S "$@" || status=$?
    "$wineserver" -w
    [ "$status" -eq 0 ] || fail "the setup ended with status $status"
}

echo "== Silent install"
install
[ "$(cd "$folder" && ls | sort | tr '\n' ' ')" = "LICENSE.txt tomaro.exe uninstall.exe " ] ||
    fail "the folder holds: $(ls "$folder")"
cmp "$folder/tomaro.exe" "$program" || fail "the installed program is not the build"
# A shortcut's target is the one place it names the program's full path (its working
# folder is the program's folder).
points_at_program() { grep -qaF 'C:\Program Files\Tomaro\tomaro.exe' "$1"; }
[ -f "$start_menu" ] || fail "no Start-menu shortcut"
points_at_program "$start_menu" || fail "the Start-menu shortcut does not point at tomaro.exe"
[ ! -e "$desktop" ] || fail "a desktop shortcut nobody asked for"

size_kib=$(stat -c %s "$folder"/* | awk '{ s += $1 } END { print int((s + 1023) / 1024) }')
declare -A wanted=(
    [DisplayName]='Tomaro -Quillet-'
    [DisplayVersion]=$version
    [Publisher]='Tomaro developers'
    [DisplayIcon]='C:\Program Files\Tomaro\tomaro.exe,0'
    [InstallLocation]='C:\Program Files\Tomaro'
    [UninstallString]='"C:\Program Files\Tomaro\uninstall.exe"'
    [QuietUninstallString]='"C:\Program Files\Tomaro\uninstall.exe" /S'
)
for name in "${!wanted[@]}"; do
    got=$(value "$name")
    [ "$got" = "${wanted[$name]}" ] || fail "$name is '$got', not '${wanted[$name]}'"
done
estimated=$(( $(value EstimatedSize) ))
(( estimated >= size_kib - 4 && estimated <= size_kib + 4 )) ||
    fail "EstimatedSize is $estimated KiB, the files take $size_kib KiB"
echo "uninstall key: ${!wanted[*]} and EstimatedSize ($estimated KiB) as they should be"

# The installer and the uninstaller it wrote carry the version.
for exe in "$setup" "$folder/uninstall.exe"; do
    x86_64-w64-mingw32-windres -i "$exe" -O rc -o "$work/resources.rc"
    grep -q "VALUE \"ProductVersion\", \"$version\"" "$work/resources.rc" ||
        fail "$(basename "$exe") has no version resource of version $version"
done

echo "== The installed program starts"
# With no Wine process left that started without the X server: the first to start draws
# the desktop for all that follow.
"$wineserver" -w
# Wine maps the dialog to an X window named by its caption; the screenshot is of that window.
xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
    "$1" "C:\\Program Files\\Tomaro\\tomaro.exe" &
    geometry() { xwininfo -name "Tomaro -Quillet-" 2>/dev/null | sed -n "s/^ *-geometry //p"; }
    for _ in $(seq 300); do  # a first start in a new prefix may take a while
        [ -n "$(geometry)" ] && break
        sleep 0.2
    done
    [ -n "$(geometry)" ] || { echo "no window \"Tomaro -Quillet-\" appeared" >&2; exit 1; }
    xdotool mousemove 0 0  # no button under the pointer, so none is highlighted
    sleep 1  # placed and painted
    import -window root -crop "$(geometry)" +repage "$2"
    "$3" -k
' _ "$wine" "$work/installed.png" "$wineserver" || fail "tomaro.exe did not show its dialog"
"$wineserver" -w
# The dialog is light grey and white: a picture of mostly something else is not of it.
brightness=$(convert "$work/installed.png" -colorspace Gray -format '%[fx:int(100*mean)]' info:)
[ "$brightness" -ge 70 ] || fail "installed.png is not the dialog (brightness $brightness %)"
echo "screenshot: $work/installed.png ($(identify -format '%wx%h' "$work/installed.png"))"

echo "== Silent update, with the desktop shortcut"
install /DESKTOP
[ -f "$desktop" ] || fail "no desktop shortcut though /DESKTOP asked for one"
points_at_program "$desktop" || fail "the desktop shortcut does not point at tomaro.exe"

echo "== Silent uninstall"
status=0
"$wine" 'C:\Program Files\Tomaro\uninstall.exe' /S || status=$?
"$wineserver" -w  # the uninstaller runs on from a copy of itself
[ "$status" -eq 0 ] || fail "the uninstaller ended with status $status"
if "$wine" reg query "$key" >/dev/null 2>&1; then fail "the uninstall key is still there"; fi
files > "$work/files-after.txt"
# The program's folder and both shortcuts included.
diff "$work/files-before.txt" "$work/files-after.txt" ||
    fail "the prefix's files differ from before the install (above)"
echo "everything installed is gone"
