# shellcheck shell=bash
# What the build tools share: the cache of long builds, root rights, and step and
# failure messages. Sourced, not run.

cache=$HOME/.cache/ulvane
heavy=(nice -n 10)

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

step() { printf '\n== %s\n' "$*"; }
fail() { printf '%s: %s\n' "$(basename "$0")" "$*" >&2; exit 1; }
