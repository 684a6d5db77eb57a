#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs vek into a scratch prefix and builds its Debian package, unpacks the
# package into a scratch root, and checks in both that every file a desktop
# needs is there, that the menu entry and the AppStream data pass their
# validators, that the package declares what the programs link and passes
# lintian and hardening-check (when installed), that the menu's launcher
# gives the user a catalogue of their own, and that the installed programs
# find the user's catalogue from any folder.
#
#   check_package.sh BUILD_DIR VERSION [release|test-only]
#                                   (exit 77: tools missing, skipped)
# lintian and hardening-check run on a release build only: a Debug or
# sanitizer build is never shipped and has no hardening.
set -uo pipefail
build=$(cd "$1" && pwd)
version=$2
kind=${3:-release}
for tool in cpack dpkg dpkg-deb ldd desktop-file-validate appstreamcli readelf; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed (scripts/deps.sh installs it)"
        exit 77
    fi
done
scratch=$build/package-test
rm -rf "$scratch"
mkdir -p "$scratch"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Every file of an installation, relative to its prefix.
expected=(
    bin/vek bin/vek-calc bin/vek-start
    share/vek/data.ini
    share/applications/io.github.vek.desktop
    share/metainfo/io.github.vek.metainfo.xml
    share/icons/hicolor/scalable/apps/vek.svg
    share/man/man1/vek.1.gz share/man/man1/vek-calc.1.gz share/man/man1/vek-start.1.gz
    share/doc/vek/copyright share/doc/vek/changelog.Debian.gz
    share/lintian/overrides/vek
)
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/vek.png")
done

check_tree() {  # ROOT_PREFIX LABEL
    local prefix=$1 label=$2 f
    for f in "${expected[@]}"; do
        [ -f "$prefix/$f" ] || fail "$label: $f missing"
    done
    for f in bin/vek bin/vek-calc bin/vek-start; do
        [ -x "$prefix/$f" ] || fail "$label: $f not executable"
    done
    local extra
    extra=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort |
        grep -vxF -f <(printf '%s\n' "${expected[@]}"))
    [ -z "$extra" ] || fail "$label: unexpected files: $extra"
    # Each icon is a PNG of its own size (bytes 16-23 of a PNG: width, height).
    for size in 16 32 48 64 128 256; do
        local png=$prefix/share/icons/hicolor/${size}x${size}/apps/vek.png
        [ -f "$png" ] || continue
        local dims
        dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
        [ "$dims" = "${size}x${size}" ] || fail "$label: icon ${size} is $dims"
    done
    desktop-file-validate "$prefix/share/applications/io.github.vek.desktop" ||
        fail "$label: desktop-file-validate"
    appstreamcli validate --no-net "$prefix/share/metainfo/io.github.vek.metainfo.xml" ||
        fail "$label: appstreamcli validate"
    grep -q "<release version=\"$version\"" "$prefix/share/metainfo/io.github.vek.metainfo.xml" ||
        fail "$label: the newest release in the metainfo is not $version"
    cmp -s "$prefix/share/vek/data.ini" "$(dirname "$0")/../../data/data.ini" ||
        fail "$label: share/vek/data.ini is not the default catalogue"
    "$prefix/bin/vek-calc" sewage workers=100 residents=20 days=300 | grep -qx 'annual-water=3600' ||
        fail "$label: vek-calc does not compute"
    [ "$("$prefix/bin/vek" --version)" = "vek $version" ] || fail "$label: vek --version"
    [ "$("$prefix/bin/vek-calc" --version)" = "vek-calc $version" ] || fail "$label: vek-calc --version"
    grep -q "^Copyright: 20[0-9][0-9] the vek authors$" "$prefix/share/doc/vek/copyright" ||
        fail "$label: no copyright line in share/doc/vek/copyright"
    zcat "$prefix/share/doc/vek/changelog.Debian.gz" | head -n1 | grep -q "^vek ($version-1) " ||
        fail "$label: the changelog does not start with $version-1"
    # Every calculator and option vek-calc knows is in its man page.
    local man names
    man=$(zcat "$prefix/share/man/man1/vek-calc.1.gz")
    names=$("$prefix/bin/vek-calc" --help | sed -n '/^Subcommands:/,$s/^  \([a-z0-9-]*\) .*/\1/p')
    names+=" "$({ "$prefix/bin/vek-calc" --help; "$prefix/bin/vek-calc" convert --help; } |
        sed -n 's/^  \(-[a-zA-Z],\)\{0,1\}\(--[a-z]*\).*/\2/p' | sort -u)
    [ -n "$names" ] || fail "$label: no calculators in vek-calc --help"
    for c in $names; do
        grep -qF "\\fB$c\\fR" <<<"$man" || fail "$label: vek-calc(1) does not name $c"
    done
}

echo "== cmake --install into a scratch prefix"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null || fail "cmake --install"
check_tree "$scratch/prefix" install

echo "== cpack -G DEB, unpacked with dpkg -x"
(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >/dev/null) ||
    fail "cpack"
deb=$(ls "$scratch"/deb/vek_"$version"-*_*.deb 2>/dev/null | head -n1)
if [ -z "$deb" ]; then
    fail "no vek_${version}-*.deb built"
else
    echo "$(basename "$deb")"
    dpkg -x "$deb" "$scratch/root" || fail "dpkg -x"
    check_tree "$scratch/root/usr" deb
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    for field in Maintainer Description Section; do
        [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "deb: no $field"
    done
    [[ $depends == *"fonts-arphic-uming | fonts-noto-cjk"* ]] || fail "deb: no CJK font in Depends"
    # Every library the programs link comes from a package the deb depends on,
    # directly or through one of them (a debug build links Qt's own OpenGL
    # libraries, which libqt6gui6 brings in).
    names() { tr ',|' '\n\n' | sed 's/(.*)//; s/:.*//; s/ //g' | grep .; }
    declared=$(names <<<"$depends")
    for pkg in $declared; do
        declared+=$'\n'$(dpkg-query -W -f='${Depends}' "$pkg" 2>/dev/null | names)
    done
    for program in vek vek-calc; do
        binary=$scratch/root/usr/bin/$program
        for lib in $(readelf -d "$binary" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'); do
            # A sanitized build links the sanitizers' run-times; it is never shipped.
            case $lib in libasan.so* | libubsan.so*) continue ;; esac
            path=$(ldd "$binary" | awk -v l="$lib" '$1 == l && $2 == "=>" {print $3; exit}')
            [ -n "$path" ] || { fail "deb: $program links $lib, not found"; continue; }
            real=$(readlink -f "$path")
            pkg=$({ dpkg -S "$real" || dpkg -S "${real#/usr}" || dpkg -S "$path"; } 2>/dev/null |
                head -n1 | cut -d: -f1)
            [ -n "$pkg" ] || { fail "deb: no package owns $lib"; continue; }
            grep -qxF "$pkg" <<<"$declared" || fail "deb: $program links $lib of $pkg, not brought in by Depends"
        done
    done
    if [ "$kind" != release ]; then
        echo "not a release build: lintian and hardening-check not run"
    elif command -v lintian >/dev/null; then
        echo "== lintian --pedantic"
        # Errors and warnings fail; the informational and pedantic tags are shown
        # too (an override, with its reason, is in data/vek.lintian-overrides).
        lintian --display-info --pedantic --fail-on error,warning "$deb" || fail "lintian"
    else
        echo "lintian is not installed: not run (scripts/deps.sh --tests installs it)"
    fi
    if [ "$kind" != release ]; then
        :
    elif command -v hardening-check >/dev/null; then
        echo "== hardening-check"
        # Control-flow protection is left out of the check: a program carries
        # its mark only when every object linked does, and Debian 12's own C
        # start files (libc6-dev's crt1.o) have none, so no program linked
        # there has it (/bin/ls neither); vek is compiled for it all the same.
        # vek links no checked C library function (see data/vek.lintian-overrides),
        # which hardening-check takes for a program built without fortification.
        hardening-check --nocfprotection "$scratch/root/usr/bin/vek-calc" ||
            fail "hardening-check vek-calc"
        hardening-check --nocfprotection --nofortify "$scratch/root/usr/bin/vek" ||
            fail "hardening-check vek"
    else
        echo "hardening-check is not installed: not run (devscripts)"
    fi
fi

echo "== the menu's launcher: a catalogue of the user's own, kept once written"
# A stand-in for vek beside a copy of the launcher reports where it runs.
mkdir -p "$scratch/launch/bin" "$scratch/launch/share/vek" "$scratch/home"
cp "$scratch/prefix/bin/vek-start" "$scratch/launch/bin/"
printf '[长度][1][米]=[100][厘米]\n' >"$scratch/launch/share/vek/data.ini"
chmod a-w "$scratch/launch/share/vek/data.ini"
printf '#!/bin/sh\npwd\necho "$@"\n' >"$scratch/launch/bin/vek"
chmod +x "$scratch/launch/bin/vek"
user=$scratch/home/data/vek
out=$(HOME=$scratch/home XDG_DATA_HOME=$scratch/home/data "$scratch/launch/bin/vek-start" a 'b c')
[ "$out" = "$user"$'\n''a b c' ] || fail "launcher ran: $out"
cmp -s "$user/data.ini" "$scratch/launch/share/vek/data.ini" || fail "launcher: no copy of the catalogue"
[ -w "$user/data.ini" ] || fail "launcher: the user's catalogue is not writable"
echo '[长度][1][米]=[1][公尺]' >>"$user/data.ini"
# XDG_DATA_HOME must be absolute; a relative one is ignored.
(cd "$scratch" && HOME=$scratch/home XDG_DATA_HOME=relative "$scratch/launch/bin/vek-start" >/dev/null)
[ ! -e "$scratch/relative" ] || fail "launcher: a relative XDG_DATA_HOME was used"
[ -f "$scratch/home/.local/share/vek/data.ini" ] || fail "launcher: no default folder"
HOME=$scratch/home XDG_DATA_HOME=$scratch/home/data "$scratch/launch/bin/vek-start" >/dev/null
grep -q '公尺' "$user/data.ini" || fail "launcher: the user's units were overwritten"
ls -A "$user" | grep -q '^\.data\.ini' && fail "launcher: temporary file left behind"

echo "== the installed programs from a folder without data.ini: the user's catalogue"
# A data.ini of the current folder is used as it is; elsewhere the user's
# own, copied once from the shipped default and never overwritten.
home=$scratch/home2
elsewhere=$scratch/elsewhere
mkdir -p "$home" "$elsewhere"
installed=$scratch/prefix/bin
mine=$home/.local/share/vek/data.ini
convert() { (cd "$1" && HOME=$home XDG_DATA_HOME= "$installed/vek-calc" convert kind=长度 from=m to=cm value=2 2>&1); }
[ "$(convert "$elsewhere")" = "converted=200" ] || fail "vek-calc convert does not read the shipped default: $(convert "$elsewhere")"
[ ! -e "$elsewhere/data.ini" ] && [ ! -e "$mine" ] || fail "vek-calc convert created a catalogue"
(cd "$elsewhere" && HOME=$home "$installed/vek" --help) | grep -qxF "Unit catalogue started here: $mine" ||
    fail "vek --help does not name the user's catalogue"
# The program itself, on the offscreen platform, until the copy is there.
(cd "$elsewhere" && HOME=$home XDG_DATA_HOME=relative QT_QPA_PLATFORM=offscreen exec "$installed/vek" >/dev/null 2>&1) &
vek_pid=$!
for _ in $(seq 100); do [ -s "$mine" ] && break; sleep 0.1; done
kill "$vek_pid" 2>/dev/null
wait "$vek_pid" 2>/dev/null
cmp -s "$mine" "$scratch/prefix/share/vek/data.ini" || fail "vek did not copy the shipped catalogue to $mine"
[ ! -e "$elsewhere/data.ini" ] && [ ! -e "$elsewhere/relative" ] || fail "vek created a catalogue in the current folder"
printf '[长度][1][米]=[1000][毫米]\n' >"$mine"
(cd "$elsewhere" && HOME=$home "$installed/vek-calc" convert kind=长度 to=毫米 value=2 | grep -qx 'converted=2000') ||
    fail "vek-calc convert does not read the user's catalogue"
printf '[长度][1][米]=[10][分米]\n' >"$elsewhere/data.ini"
(cd "$elsewhere" && HOME=$home "$installed/vek-calc" convert kind=长度 value=2 to=分米 | grep -qx 'converted=20') ||
    fail "vek-calc convert does not read the current folder's data.ini"
grep -q '毫米' "$mine" || fail "the user's catalogue was overwritten"

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
chmod -R u+w "$scratch"
rm -rf "$scratch"
echo "all good"
