#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package of this build with CPack into a scratch folder and reads it with
# dpkg-deb, without installing it: control fields a package manager shows and relies on, a
# dependency for every library the packaged program loads, and the files with their owners and
# modes. With "lintian" as the last argument it asks lintian instead, which must report no error
# and no warning (its informational tags are not asked for).
#
# Usage: check_package.sh <cpack> <build dir> <config or ""> <expected version> [lintian]
set -euo pipefail
export LC_ALL=C

cpack_command=$1
build_dir=$2
config=$3
version=$4
check=${5:-contents}

work=$(mktemp -d "${TMPDIR:-/tmp}/tallivant-deb.XXXXXX")
trap 'rm -rf "$work"' EXIT

problems=0
problem() {
    echo "PROBLEM: $*" >&2
    problems=$((problems + 1))
}

for tool in dpkg-deb dpkg-shlibdeps readelf desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "FAILED: $tool is missing" >&2; exit 1; }
done

echo "-- cpack into $work"
cpack_args=(--config "$build_dir/CPackConfig.cmake" -B "$work")
[ -z "$config" ] || cpack_args+=(-C "$config")
if ! "$cpack_command" "${cpack_args[@]}" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAILED: cpack did not build the package" >&2
    exit 1
fi
shopt -s nullglob
debs=("$work"/*.deb)
if [ ${#debs[@]} != 1 ]; then
    echo "FAILED: cpack made ${#debs[@]} .deb files, not one" >&2
    exit 1
fi
deb=${debs[0]}
echo "-- $(basename "$deb")"

if [ "$check" = lintian ]; then
    command -v lintian >/dev/null || { echo "FAILED: lintian is missing (tools/deps.sh installs it)" >&2; exit 1; }
    echo "-- lintian"
    # Tags are printed one a line ("E: tallivant: no-copyright-file"); any E: or W: fails.
    lintian --tag-display-limit 0 "$deb" 2>"$work/lintian.err" | tee "$work/lintian.out" || true
    if grep -q '^[EW]: ' "$work/lintian.out"; then
        echo "FAILED: lintian reports $(grep -c '^E: ' "$work/lintian.out") errors and" \
            "$(grep -c '^W: ' "$work/lintian.out") warnings" >&2
        exit 1
    fi
    if grep -qv 'running with root privileges' "$work/lintian.err"; then
        cat "$work/lintian.err" >&2
        echo "FAILED: lintian could not check the package" >&2
        exit 1
    fi
    echo "-- passed"
    exit 0
fi

field() {
    dpkg-deb --field "$deb" "$1"
}

echo "-- control fields"
[ "$(field Package)" = tallivant ] || problem "Package is \"$(field Package)\""
[ "$(field Version)" = "$version" ] || problem "Version is \"$(field Version)\", not $version"
arch=$(dpkg --print-architecture)
[ "$(field Architecture)" = "$arch" ] || problem "Architecture is \"$(field Architecture)\", not $arch"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\ ]+@[^\>\ ]+\>$ ]] ||
    problem "Maintainer \"$(field Maintainer)\" is not a name and an address"
[ -n "$(field Section)" ] || problem "no Section"
[ -n "$(field Priority)" ] || problem "no Priority"
[ "$(basename "$deb")" = "tallivant_${version}_${arch}.deb" ] ||
    problem "the file is named $(basename "$deb"), not tallivant_${version}_${arch}.deb"

mapfile -t description < <(field Description)
[ -n "${description[0]:-}" ] || problem "the Description has no summary"
[ ${#description[@]} -ge 2 ] || problem "the Description has no long text"
for line in "${description[@]}"; do
    # dpkg-deb shows continuation lines with their leading blank.
    [ ${#line} -le 80 ] || problem "a Description line is longer than 80 columns: $line"
    [[ "$line" != " ;"* && "$line" != ";"* ]] || problem "a Description line begins with \";\": $line"
done

echo "-- dependencies"
mapfile -t depends < <(field Depends | tr ',' '\n' | sed 's/^ *//; s/[ (].*//' | sort -u)
depends_on() {
    printf '%s\n' "${depends[@]}" | grep -qx "$1"
}
depends_on fonts-liberation || problem "no dependency on fonts-liberation, the window's font"

dpkg-deb --extract "$deb" "$work/root"
program=$work/root/usr/bin/tallivant
if [ -x "$program" ]; then
    # Every library the program loads must come with a package it depends on.
    libraries=$(ldd "$program")
    for needed in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        path=$(awk -v n="$needed" '$1 == n { print $3 }' <<<"$libraries")
        if [ -z "$path" ] || [ "$path" = "not" ]; then
            problem "$needed, which the program loads, is not found on this machine"
            continue
        fi
        owner=
        for candidate in "$path" "/usr$path" "${path#/usr}" "$(readlink -f "$path")"; do
            owner=$(dpkg-query --search "$candidate" 2>/dev/null | head -n 1 | sed 's/[:,].*//') &&
                [ -n "$owner" ] && break
        done
        if [ -z "$owner" ]; then
            problem "no installed package owns $path ($needed)"
        elif ! depends_on "$owner"; then
            problem "the program loads $needed from $owner, which Depends does not name"
        fi
    done
    if readelf -S "$program" | grep -q '\.debug_info'; then
        problem "the packaged program is not stripped"
    fi
else
    problem "no program at usr/bin/tallivant"
fi

echo "-- files"
app_id=org.tallivant.Tallivant
launcher=$work/root/usr/share/applications/$app_id.desktop
metainfo=$work/root/usr/share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$launcher" || problem "desktop-file-validate refuses the packaged launcher"
# Software centres list the program only through its metainfo. appstreamcli prints one line a
# finding ("W: org.tallivant.Tallivant:12: ..."); informational and pedantic ones may stay.
appstream() {
    local output status=0
    output=$(appstreamcli "$@" 2>&1) || status=$?
    printf '%s\n' "$output"
    [ "$status" = 0 ] && ! grep -q '^[EW]: ' <<<"$output"
}
appstream validate --no-net "$metainfo" || problem "appstreamcli refuses the packaged metainfo"
appstream validate-tree --no-net "$work/root" ||
    problem "appstreamcli refuses the package's tree (metainfo and launcher together)"
grep -q "<release version=\"$version\"" "$metainfo" ||
    problem "the metainfo has no release entry for version $version"
grep -q "^tallivant ($version)" <(zcat "$work/root/usr/share/doc/tallivant/changelog.gz") ||
    problem "the changelog's latest entry is not version $version"

# dpkg-deb --contents: mode, owner/group, size, date, time, path. Sorted by path.
expected_files=(
    "-rwxr-xr-x root/root ./usr/bin/tallivant"
    "-rw-r--r-- root/root ./usr/share/applications/$app_id.desktop"
    "-rw-r--r-- root/root ./usr/share/doc/tallivant/changelog.gz"
    "-rw-r--r-- root/root ./usr/share/doc/tallivant/copyright"
    "-rw-r--r-- root/root ./usr/share/icons/hicolor/256x256/apps/tallivant.png"
    "-rw-r--r-- root/root ./usr/share/icons/hicolor/scalable/apps/tallivant.svg"
    "-rw-r--r-- root/root ./usr/share/man/man1/tallivant.1.gz"
    "-rw-r--r-- root/root ./usr/share/metainfo/$app_id.metainfo.xml"
)
mapfile -t contents < <(dpkg-deb --contents "$deb")
mapfile -t files < <(printf '%s\n' "${contents[@]}" | awk '$1 !~ /^d/ { print $1, $2, $6 }' | sort -k3)
if [ "$(printf '%s\n' "${files[@]}")" != "$(printf '%s\n' "${expected_files[@]}")" ]; then
    problem "the package holds other files than expected:"
    diff <(printf '%s\n' "${expected_files[@]}") <(printf '%s\n' "${files[@]}") >&2 || true
fi
while read -r mode owner path; do
    [ "$mode $owner" = "drwxr-xr-x root/root" ] || problem "folder $path is $mode $owner"
    [[ "$path" == ./usr/* ]] || problem "folder $path lies outside /usr"
done < <(printf '%s\n' "${contents[@]}" | awk '$1 ~ /^d/ && $6 != "./" { print $1, $2, $6 }')

if [ "$problems" != 0 ]; then
    echo "FAILED: $problems problems with $(basename "$deb")" >&2
    exit 1
fi
echo "-- passed"
