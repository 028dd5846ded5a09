# Makes a Debian root from Debian's archive and runs commands inside it, for the
# tools that need a release other than the machine's own (tools/test-in-debian,
# tools/package-web).
# Sourced, not run. Commands run in private mount and PID namespaces, so whatever
# is mounted for them goes away with their last process, even when one fails.

source "$(dirname "${BASH_SOURCE[0]}")/build-common.sh"

debian_mirror=${ULVANE_DEBIAN_MIRROR:-http://deb.debian.org/debian}

debian_codename() {
    case "$1" in
        12) echo bookworm ;;
        13) echo trixie ;;
        *) echo "Unknown Debian release '$1'; known: 12, 13" >&2; return 1 ;;
    esac
}

# make_debian_root <folder> <release>: a minimal root, made once; a root whose
# making broke off is made anew.
make_debian_root() {
    local root=$1 codename
    codename=$(debian_codename "$2")
    [ -e "$root/.ulvane-root-complete" ] && return 0
    command -v debootstrap >/dev/null || tools/install-dependencies debootstrap
    "${as_root[@]}" rm -rf "$root"
    mkdir -p "$(dirname "$root")"
    echo "== making a Debian $2 ($codename) root in $root"
    "${as_root[@]}" debootstrap --variant=minbase --include=ca-certificates \
        "$codename" "$root" "$debian_mirror" >"$root.log" 2>&1 || {
        tail -20 "$root.log" >&2
        return 1
    }
    "${as_root[@]}" tee "$root/etc/apt/sources.list" >/dev/null <<EOF
deb $debian_mirror $codename main
deb $debian_mirror $codename-updates main
deb http://deb.debian.org/debian-security $codename-security main
EOF
    # The root has a host name of its own (see in_debian_root), which sudo looks up.
    echo "127.0.1.1 debian-root" | "${as_root[@]}" tee -a "$root/etc/hosts" >/dev/null
    "${as_root[@]}" touch "$root/.ulvane-root-complete"
    rm -f "$root.log"
}

# in_debian_root [--bind <folder>]… [--as-caller] <root> <command> [<argument>…]:
# runs the command inside the root, with the machine's /dev, a /proc and /sys of
# its own, and the machine's name servers. --bind shows a folder of the machine at
# the same path inside (so paths written inside stay true outside); --as-caller
# runs the command as the calling user, not root, so that what it writes there
# stays theirs even through sudo.
in_debian_root() {
    local binds=() user=0:0
    while :; do
        case $1 in
            --bind) binds+=("$(realpath "$2")"); shift 2 ;;
            --as-caller) user=$(id -u):$(id -g); shift ;;
            *) break ;;
        esac
    done
    local root=$1
    shift
    "${as_root[@]}" unshare --mount --uts --pid --fork --propagation private -- \
        bash -euc '
            root=$1 user=$2 binds=$3; shift 3
            hostname debian-root
            mount --rbind /dev "$root/dev"
            mount -t proc proc "$root/proc"
            mount -t sysfs sysfs "$root/sys"
            mount -t tmpfs tmpfs "$root/dev/shm"
            mount --bind -o ro /etc/resolv.conf "$root/etc/resolv.conf"
            while IFS= read -r folder; do
                [ -n "$folder" ] || continue
                mkdir -p "$root$folder"
                mount --bind "$folder" "$root$folder"
            done <<<"$binds"
            as_user=()
            [ "$user" = 0:0 ] || as_user=(--userspec="$user")
            exec chroot "${as_user[@]}" "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
                HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" "$@"
        ' bash "$root" "$user" "$(printf '%s\n' "${binds[@]}")" "$@"
}
