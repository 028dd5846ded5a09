# shellcheck shell=bash
# Sourced by tools/package-windows and tools/package-web: both build a static Qt 6
# from Debian's qt6-base source, the same version as the host tools (moc, rcc, uic)
# of qt6-base-dev-tools, each into folders of its own under ~/.cache/ulvane.
source "$(dirname "${BASH_SOURCE[0]}")/build-common.sh"

qt_version=6.4.2
host_qt=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)

# What both static Qts are: a release Qt without its examples and tests, no module
# or format Ulvane leaves unused, every third-party library bundled. In two parts
# with each script's own options among them: the browser Qt's folder is named by a
# hash of its options in order, and this is the order it is built with.
qt_static=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF "${host_qt[@]}"
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
)
qt_unused=(
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
)

# apt-get source needs deb-src entries; they mirror the binary ones already there.
enable_sources() {
    [ -n "$(apt-cache showsrc qt6-base 2>/dev/null)" ] && return
    local list=/etc/apt/sources.list.d/debian.sources
    if [ -f "$list" ]; then
        sed 's/^Types: deb$/Types: deb-src/' "$list" |
            "${as_root[@]}" tee /etc/apt/sources.list.d/ulvane-deb-src.sources >/dev/null
    else
        grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            "${as_root[@]}" tee /etc/apt/sources.list.d/ulvane-deb-src.list >/dev/null
    fi
    "${as_root[@]}" apt-get update -qq
}

# unpack_qt_source <folder> <download folder> [<command>]: Debian's qt6-base source
# unpacked into folder, once; command (a function) then changes the fresh source.
unpack_qt_source() {
    local source=$1 download=$2 change=${3:-}
    [ -f "$source/.unpacked" ] && return
    enable_sources
    rm -rf "$source" "$download"
    mkdir -p "$download"
    (cd "$download" &&
        apt-get source --download-only "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)")
    # --no-copy: the original tarball stays in download, not beside the source.
    dpkg-source --no-copy -x "$download"/qt6-base_*.dsc "$source"
    [ -z "$change" ] || "$change" "$source"
    touch "$source/.unpacked"
}

# build_qt <source> <build> <prefix> <identity> <configure option>...: configures,
# builds and installs Qt unless prefix holds a Qt of the same identity (what the
# built Qt depends on: its options and the toolchain's content, not the path of the
# checkout that built it). Where patches are swapped in place in the source,
# qt_source_identity names them: a Qt of the same identity but other patches is built
# again without configuring (minutes less), ninja building only what they touch.
build_qt() {
    local source=$1 build=$2 prefix=$3 identity=$4
    shift 4
    local stamp=$prefix/.ulvane-configure sources=$prefix/.ulvane-sources
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$identity" ]; then
        if [ "$(cat "$sources" 2>/dev/null)" = "${qt_source_identity:-}" ]; then
            echo "reusing $prefix"
            return
        fi
        if [ -f "$build/CMakeCache.txt" ]; then
            "${heavy[@]}" cmake --build "$build" -j "$jobs"
            cmake --install "$build" >/dev/null
            printf '%s\n' "${qt_source_identity:-}" >"$sources"
            return
        fi
    fi
    # A fresh cache, so no option of an earlier configure lingers; ninja still
    # rebuilds only what the options change.
    rm -f "$build/CMakeCache.txt"
    "${heavy[@]}" cmake -S "$source" -B "$build" "$@"
    "${heavy[@]}" cmake --build "$build" -j "$jobs"
    cmake --install "$build" >/dev/null
    printf '%s\n' "$identity" >"$stamp"
    printf '%s\n' "${qt_source_identity:-}" >"$sources"
}
