#!/usr/bin/env bash
# Builds the Debian package into a scratch directory and checks its fields and contents.
# It does not install the package.
#
# check_package.sh BUILD_DIR WINDOW VERSION [TERMINAL]
#   WINDOW is 1 when the build has the window (bin/tomaro and its desktop files), else 0;
#   VERSION is the project's version, which the package and the metainfo must carry;
#   TERMINAL is 1 (the default) when the build has tomaro-tui, else 0.
set -euo pipefail

build_dir=$1
window=$2
version=$3
terminal=${4:-1}
app_id=io.github.tomaro.Quillet

for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "FAIL: $tool is not installed (dpkg-shlibdeps: Debian package dpkg-dev)" >&2
        exit 1
    }
done

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# -B keeps cpack's staging area out of the build tree, so that runs do not meet there.
cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack -G DEB" >&2
    exit 1
}
shopt -s nullglob
debs=("$work"/*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    cat "$work/cpack.log" >&2
    echo "FAIL: expected one .deb, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "tomaro_${version}_$arch.deb" ] || fail "package file is $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }

[ "$(field Package)" = tomaro ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = utils ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "Maintainer is empty"
# A summary line, then a long description wrapped for a terminal.
description=$(field Description)
[ -n "$(head -n 1 <<<"$description")" ] || fail "Description has no summary"
[ "$(wc -l <<<"$description")" -ge 2 ] || fail "Description has no long description"
long_lines=$(awk 'length($0) > 80' <<<"$description")
[ -z "$long_lines" ] || fail "Description lines longer than 80 columns: $long_lines"

depends=$(field Depends)
[ -n "$depends" ] || fail "Depends is empty"
# Names of the packages depended on, one per line, without versions.
alternatives=${depends//|/,}
depended=$(tr ',' '\n' <<<"$alternatives" | sed 's/(.*//; s/^ *//; s/ *$//; /^$/d')
expect_depends() {
    grep -qxF "$1" <<<"$depended" || fail "Depends lacks $1: $depends"
}
expect_depends libc6
expect_depends libstdc++6
if [ "$terminal" = 1 ]; then
    expect_depends libncursesw6
fi
if [ "$window" = 1 ]; then
    for p in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-ipafont-gothic \
        qt6-translations-l10n; do
        expect_depends "$p"
    done
fi

# Contents: paths as dpkg-deb lists them ("./usr/bin/tomaro-cli").
contents=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|')
expect_path() {
    grep -qxF "$1" <<<"$contents" || fail "the package lacks $1"
}
expect_path /usr/bin/tomaro-cli
expect_path /usr/share/man/man1/tomaro-cli.1.gz
if [ "$terminal" = 1 ]; then
    expect_path /usr/bin/tomaro-tui
    expect_path /usr/share/man/man1/tomaro-tui.1.gz
fi
if [ "$window" = 1 ]; then
    expect_path /usr/bin/tomaro
    expect_path /usr/share/applications/$app_id.desktop
    expect_path /usr/share/metainfo/$app_id.metainfo.xml
    for size in 16 32 48; do
        expect_path /usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    done
    expect_path /usr/share/icons/hicolor/scalable/apps/$app_id.svg
fi
# Nothing of the build or the tests slips in.
stray=$(grep -vE '^/usr/(bin/tomaro(-cli|-tui)?|share/.*)?$|/$' <<<"$contents" || true)
[ -z "$stray" ] || fail "unexpected files in the package: $stray"

# The packaged tomaro-cli runs from the unpacked tree.
dpkg-deb -x "$deb" "$work/root"
out=$("$work/root/usr/bin/tomaro-cli" --version) || fail "packaged tomaro-cli --version failed"
[ "$out" = "Tomaro -Quillet- Version $version" ] || fail "packaged tomaro-cli --version: $out"
# tomaro-tui links no Qt: it runs where there is no window system.
if [ "$terminal" = 1 ]; then
    qt_libraries=$(ldd "$work/root/usr/bin/tomaro-tui" | grep -i 'libQt' || true)
    [ -z "$qt_libraries" ] || fail "tomaro-tui links Qt: $qt_libraries"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed; control fields and contents:" >&2
    dpkg-deb -I "$deb" >&2
    echo "$contents" >&2
    exit 1
fi
echo "package ok: $(basename "$deb"), Depends: $depends"
