# shellcheck shell=bash
# What the build tools share: the cache of long builds, root rights, step and failure
# messages, and the steps the Windows and browser builds both take for GoogleTest and
# for Ulvane itself. Sourced, not run; the steps read $jobs from the sourcing script.

cache=$HOME/.cache/ulvane
heavy=(nice -n 10)

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

step() { printf '\n== %s\n' "$*"; }
fail() { printf '%s: %s\n' "$(basename "$0")" "$*" >&2; exit 1; }

# build_googletest <platform> <build folder> <configure option>...: GoogleTest from
# Debian's own source package (libgtest-dev), built for the platform once per version
# into the cache; sets gtest_prefix.
build_googletest() {
    local platform=$1 build=$2 version
    shift 2
    version=$(dpkg-query -W -f='${Version}' libgtest-dev)
    gtest_prefix=$cache/googletest-$version-$platform
    [ -f "$gtest_prefix/.complete" ] && return
    "${heavy[@]}" cmake -S /usr/src/googletest -B "$build" -G Ninja \
        -DCMAKE_INSTALL_PREFIX="$gtest_prefix" "$@" >/dev/null
    "${heavy[@]}" cmake --build "$build" -j "$jobs"
    cmake --install "$build" >/dev/null
    touch "$gtest_prefix/.complete"
}

# build_with_preset <preset> <configure option>...: Ulvane configured by its preset in
# CMakePresets.json, with the options known only at run time (where this run's Qt and
# GoogleTest are), and built.
build_with_preset() {
    local preset=$1
    shift
    "${heavy[@]}" cmake --preset "$preset" "$@" >/dev/null
    "${heavy[@]}" cmake --build --preset "$preset" -j "$jobs"
}

# test_with_preset <preset>: that build's test suite, run by ctest.
test_with_preset() {
    "${heavy[@]}" ctest --preset "$1" -j "$jobs"
}

# project_version <build folder>: the version project() gives, as CMake read it there.
project_version() {
    sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt"
}
