#!/usr/bin/env bash
# The Debian package, from the build to a start of the installed program.
#   package_test.sh build <build folder> <work folder>   makes the package with CPack
#   package_test.sh extracted <work folder>               unpacks it into a scratch root
#   package_test.sh installed <work folder>               installs it for real (root only)
# The installed program must keep its data in the user's data folder, load its web module
# and show a preview; its menu entry and metadata must pass the desktop's validators.
set -euo pipefail

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

package_file() {
    local found=("$work"/out/tomoea_*.deb)
    [ ${#found[@]} -eq 1 ] && [ -f "${found[0]}" ] || fail "no single package in $work/out"
    echo "${found[0]}"
}

# Starts <program> with a fresh home; the program presses プレビュー and leaves once the
# page shows. The first-run workspace must then be in the home's data folder.
start_program() {
    local program=$1 home=$2
    rm -rf "$home"
    mkdir -p "$home"
    env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME HOME="$home" LANG=C.UTF-8 \
        QT_QPA_PLATFORM=offscreen TOMOEA_EXIT_AFTER_PREVIEW=1 \
        timeout 120 "$program" || fail "$program did not show the preview (exit $?)"
    local data=$home/.local/share/TomoeA
    for file in data/tm1.dat ini/auction.ini text/配送.txt template/temp1.tmpl; do
        [ -f "$data/$file" ] || fail "first-run file $file missing in $data"
    done
    [ -d "$(dirname "$program")/ini" ] && fail "data written beside $program"
    return 0
}

validate_files() {
    local usr=$1
    desktop-file-validate "$usr/share/applications/tomoea.desktop"
    appstreamcli validate --no-net "$usr/share/metainfo/org.example.tomoe.tomoea.metainfo.xml"
    # The metadata's launchable must name the menu entry that is really there.
    appstreamcli validate-tree --no-net "$(dirname "$usr")"
}

mode=$1
case "$mode" in
build)
    build=$2 work=$3
    rm -rf "$work"
    mkdir -p "$work"
    cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log"; fail "cpack"; }
    deb=$(package_file)
    [ "$(basename "$deb")" = "tomoea_1.0.0_$(dpkg --print-architecture).deb" ] ||
        fail "package named $(basename "$deb")"
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    echo "Recommends: $(dpkg-deb -f "$deb" Recommends)"
    for needed in libqt6widgets6 libc6 fonts-noto-cjk qt6-translations-l10n \
        libqt6webenginecore6-bin libqt6webenginewidgets6; do
        [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed"
    done
    [[ "$(dpkg-deb -f "$deb" Recommends)" == *fcitx5-frontend-qt6* ]] || fail "Recommends"
    # Exactly the installed layout, nothing of the portable copy.
    dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$work/files"
    cat >"$work/expected" <<'LIST'
./usr/bin/tomoea
./usr/lib/tomoea/plugins/tomoea_webengine.so
./usr/share/applications/tomoea.desktop
./usr/share/doc/tomoea/copyright
./usr/share/icons/hicolor/scalable/apps/tomoea.svg
./usr/share/metainfo/org.example.tomoe.tomoea.metainfo.xml
LIST
    diff -u "$work/expected" "$work/files" || fail "package contents"
    ;;
extracted)
    work=$2
    deb=$(package_file)
    rm -rf "$work/root"
    dpkg -x "$deb" "$work/root"
    validate_files "$work/root/usr"
    start_program "$work/root/usr/bin/tomoea" "$work/home-extracted"
    ;;
installed)
    work=$2
    [ "$(id -u)" -eq 0 ] || { echo "SKIPPED: installing needs root"; exit 77; }
    if dpkg-query -W -f='${Status}' tomoea 2>/dev/null | grep -q ' installed$'; then
        echo "SKIPPED: a tomoea package is installed already; it is left alone"
        exit 77
    fi
    deb=$(package_file)
    # dpkg refuses while another install holds its lock: wait for it.
    for attempt in $(seq 60); do
        dpkg -i "$deb" >"$work/dpkg.log" 2>&1 && break
        grep -q 'lock' "$work/dpkg.log" || { cat "$work/dpkg.log"; fail "dpkg -i"; }
        [ "$attempt" -lt 60 ] || fail "dpkg lock never freed"
        sleep 5
    done
    trap 'dpkg -r tomoea >/dev/null 2>&1 || true' EXIT
    validate_files /usr
    start_program /usr/bin/tomoea "$work/home-installed"
    dpkg -r tomoea >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -r"; }
    trap - EXIT
    if dpkg-query -W -f='${Status}' tomoea 2>/dev/null | grep -q ' installed$'; then
        fail "still installed after dpkg -r"
    fi
    for left in /usr/bin/tomoea /usr/lib/tomoea /usr/share/applications/tomoea.desktop \
        /usr/share/metainfo/org.example.tomoe.tomoea.metainfo.xml /usr/share/doc/tomoea; do
        [ ! -e "$left" ] || fail "$left left behind"
    done
    # The seller's data is theirs: removing the program keeps it.
    [ -f "$work/home-installed/.local/share/TomoeA/data/tm1.dat" ] || fail "user data removed"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
echo "package $mode: ok"
