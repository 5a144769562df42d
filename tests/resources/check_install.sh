#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that everything a desktop needs landed
# where it looks for it, in a form its validators accept.
#
# check_install.sh BUILD_DIR WINDOW VERSION [TERMINAL]
#   WINDOW is 1 when the build has the window (bin/tomaro and its desktop files), else 0;
#   VERSION is the project's version, which the package and the metainfo must carry;
#   TERMINAL is 1 (the default) when the build has tomaro-tui, else 0.
set -euo pipefail

build_dir=$1
window=$2
version=$3
terminal=${4:-1}
app_id=io.github.tomaro.Quillet

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
need_tool() {
    command -v "$1" >/dev/null 2>&1 || {
        echo "FAIL: $1 is not installed (Debian package $2)" >&2
        exit 1
    }
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log" 2>&1 || {
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
}

expect_file() {
    [ -f "$prefix/$1" ] || fail "$1 is not installed"
}
expect_executable() {
    if ! [ -f "$prefix/$1" ] || ! [ -x "$prefix/$1" ]; then
        fail "$1 is not installed as an executable"
    fi
}

# Width and height from a PNG's header: the signature, then the IHDR chunk with both as
# big-endian 32-bit numbers.
png_size() {
    local -a b
    read -r -a b <<<"$(od -An -tu1 -N24 -v "$1" | tr -s ' \n' ' ')"
    if [ ${#b[@]} -lt 24 ] || [ "${b[*]:0:8}" != "137 80 78 71 13 10 26 10" ] ||
        [ "${b[*]:12:4}" != "73 72 68 82" ]; then
        echo not-a-png
        return
    fi
    local width=$(((b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19]))
    local height=$(((b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]))
    echo "${width}x${height}"
}

# The command-line calculator: present, and it runs from where it was installed.
expect_executable bin/tomaro-cli
if [ -x "$prefix/bin/tomaro-cli" ]; then
    out=$("$prefix/bin/tomaro-cli" 3 BAR 2 + 6 BAR 1 =) || fail "installed tomaro-cli failed"
    expected=$' 5\n---\n 6\n[] [0.833333333333333] [真分数] [=]'
    [ "$out" = "$expected" ] || fail "installed tomaro-cli printed: $out"
fi

# The terminal calculator: present, and it answers from where it was installed; absent from
# a build without it.
programs=(tomaro-cli)
if [ "$terminal" = 1 ]; then
    programs+=(tomaro-tui)
    expect_executable bin/tomaro-tui
    if [ -x "$prefix/bin/tomaro-tui" ]; then
        out=$("$prefix/bin/tomaro-tui" --version) || fail "installed tomaro-tui --version failed"
        [ "$out" = "Tomaro -Quillet- Version $version" ] ||
            fail "installed tomaro-tui --version: $out"
    fi
else
    for path in bin/tomaro-tui share/man/man1/tomaro-tui.1.gz; do
        [ ! -e "$prefix/$path" ] || fail "$path is installed by a build without tomaro-tui"
    done
fi

# The manual pages, compressed as Debian installs them, and readable.
for program in "${programs[@]}"; do
    man_page=share/man/man1/$program.1.gz
    title=$(tr '[:lower:]' '[:upper:]' <<<"$program" | sed 's/-/\\\\-/')
    expect_file "$man_page"
    if [ -f "$prefix/$man_page" ]; then
        gzip -t "$prefix/$man_page" || fail "$man_page is not a gzip file"
        zcat "$prefix/$man_page" | grep -q "^\\.TH $title 1 " || fail "$man_page has no .TH line"
        if command -v groff >/dev/null 2>&1; then
            warnings=$(zcat "$prefix/$man_page" | groff -man -Tutf8 -ww -z 2>&1)
            [ -z "$warnings" ] || fail "groff warns about $man_page: $warnings"
        fi
    fi
done

if [ "$window" = 1 ]; then
    need_tool desktop-file-validate desktop-file-utils
    need_tool appstreamcli appstream

    expect_executable bin/tomaro

    desktop=share/applications/$app_id.desktop
    expect_file "$desktop"
    if [ -f "$prefix/$desktop" ]; then
        if ! report=$(desktop-file-validate "$prefix/$desktop" 2>&1); then
            fail "desktop-file-validate rejects $desktop: $report"
        elif [ -n "$report" ]; then
            fail "desktop-file-validate warns about $desktop: $report"
        fi
        for line in 'Exec=tomaro' "Icon=$app_id" 'Categories=Qt;Utility;Calculator;' \
            'Name=Tomaro -Quillet-' 'Comment=分数計算の出来る電卓です。'; do
            grep -qxF "$line" "$prefix/$desktop" || fail "$desktop lacks the line $line"
        done
    fi

    metainfo=share/metainfo/$app_id.metainfo.xml
    expect_file "$metainfo"
    if [ -f "$prefix/$metainfo" ]; then
        # The component id has capitals, which only the pedantic level mentions.
        if ! report=$(appstreamcli validate --no-net "$prefix/$metainfo" 2>&1); then
            fail "appstreamcli rejects $metainfo: $report"
        elif grep -qE '^[EWI]: ' <<<"$report"; then
            fail "appstreamcli has remarks on $metainfo: $report"
        fi
        grep -qF "<release version=\"$version\"" "$prefix/$metainfo" ||
            fail "$metainfo has no release $version"
        # The metainfo, the desktop entry and the icons as one installed tree.
        report=$(appstreamcli validate-tree --no-net "$prefix" 2>&1) ||
            fail "appstreamcli rejects the installed tree: $report"
    fi

    for size in 16 32 48; do
        icon=share/icons/hicolor/${size}x${size}/apps/$app_id.png
        expect_file "$icon"
        if [ -f "$prefix/$icon" ]; then
            got=$(png_size "$prefix/$icon")
            [ "$got" = "${size}x${size}" ] || fail "$icon is $got, not ${size}x${size}"
        fi
    done
    expect_file "share/icons/hicolor/scalable/apps/$app_id.svg"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed; installed tree:" >&2
    (cd "$prefix" && find . -type f | sort) >&2
    exit 1
fi
echo "install layout ok (window: $window, terminal: $terminal)"
