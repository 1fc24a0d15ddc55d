#!/usr/bin/env bash
# Runs `make test` inside a Debian 13 ("trixie") chroot, on a clean clone of this repository's HEAD.
# Needs root and debootstrap (installed here when missing). The prepared chroot is kept under
# /var/cache/scallywise between runs and made again when the list of packages the project installs
# changes; every mount made here is undone however the run ends.
# Usage: scripts/test-debian13.sh [command to run in the clone instead of `make test`]
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

cache=${SCALLYWISE_CHROOT_CACHE:-/var/cache/scallywise}
root=$cache/trixie
suite=trixie
# The chroot's own compiler cache, outside the chroot so that a rebuilt chroot keeps it.
ccache_dir=$cache/ccache-trixie
mounts=(proc sys dev dev/pts dev/shm ccache)

log() { echo "test-debian13: $*" >&2; }
stamp() { date +%s; }
took() { log "$1 took $(($(stamp) - $2)) s"; }

[[ $(id -u) -eq 0 ]] || { log "needs root (chroot, mount, debootstrap)"; exit 2; }
export DEBIAN_FRONTEND=noninteractive
if ! command -v debootstrap >/dev/null; then
    log "installing debootstrap"
    apt-get update -qq && apt-get install -y -qq --no-install-recommends debootstrap </dev/null
fi

# The archive this machine's apt uses, so the chroot gets its packages from the same place.
archive() {
    local uri
    uri=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*debian\)[[:space:]]*$/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -1)
    [[ -n $uri ]] || uri=$(awk '$1 == "deb" && $2 !~ /security/ {print $2; exit}' /etc/apt/sources.list 2>/dev/null)
    echo "${uri:-http://deb.debian.org/debian}"
}

# One run at a time: a second would mount over the first's mounts.
mkdir -p "$cache" "$ccache_dir"
exec 9>"$cache/lock"
flock -n 9 || { log "another run holds $cache/lock"; exit 2; }

# Undoes, deepest first, only the mounts this run made; a busy one is detached lazily so that
# nothing is left mounted under the cache.
mounted=()
unmount_all() {
    local i target
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        target=${mounted[$i]}
        umount "$target" 2>/dev/null || umount -l "$target" || log "could not unmount $target"
    done
    mounted=()
}
# Processes still running inside the chroot (a server a failed test left behind) are its own: they
# are found by their root folder and stopped by process id.
stop_chroot_processes() {
    local pid link
    for link in /proc/[0-9]*/root; do
        pid=${link#/proc/}; pid=${pid%/root}
        [[ $(readlink "$link" 2>/dev/null) == "$root" ]] && kill -9 "$pid" 2>/dev/null || true
    done
}
cleanup() {
    local status=$?
    stop_chroot_processes
    unmount_all
    exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

mount_all() {
    local m source target
    for m in "${mounts[@]}"; do
        target=$root/$m
        source=/$m
        [[ $m == ccache ]] && source=$ccache_dir
        mkdir -p "$target"
        # Never on top of an earlier mount: a stacked /dev breaks the next run.
        if mountpoint -q "$target"; then
            log "$target is mounted already; leaving it as it is"
            continue
        fi
        mount --bind "$source" "$target"
        mounted+=("$target")
    done
    cp /etc/resolv.conf "$root/etc/resolv.conf"
}

in_chroot() {
    chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        DEBIAN_FRONTEND=noninteractive CCACHE_DIR=/ccache "$@"
}

# What is installed in the chroot besides a minimal Debian 13: what the README asks for first, then
# everything the project's install script installs.
first_packages="make git ca-certificates"
# The chroot is made again when that changes: the stamp is a hash of the recipe and the install script.
wanted=$( (echo "$suite minbase $first_packages"; cat scripts/install-deps.sh) | sha256sum | cut -d' ' -f1)
if [[ ! -f $root/.scallywise-stamp || $(cat "$root/.scallywise-stamp") != "$wanted" ]]; then
    for m in "${mounts[@]}"; do
        ! mountpoint -q "$root/$m" || { log "$root/$m is still mounted from elsewhere; not removing"; exit 2; }
    done
    rm -rf "$root" "$root.new"
    started=$(stamp)
    log "bootstrapping Debian 13 from $(archive)"
    debootstrap --variant=minbase "$suite" "$root.new" "$(archive)" >"$cache/debootstrap.log" 2>&1 ||
        { tail -20 "$cache/debootstrap.log"; log "debootstrap failed"; exit 1; }
    mv "$root.new" "$root"
    took bootstrap "$started"

    started=$(stamp)
    mount_all
    cp scripts/install-deps.sh "$root/tmp/install-deps.sh"
    in_chroot bash -c "apt-get update -qq && apt-get install -y -qq --no-install-recommends $first_packages </dev/null &&
        bash /tmp/install-deps.sh && apt-get clean" >"$cache/install.log" 2>&1 ||
        { tail -30 "$cache/install.log"; log "installing the packages failed"; exit 1; }
    unmount_all
    echo "$wanted" >"$root/.scallywise-stamp"
    took installs "$started"
fi

# A clean clone of HEAD, its build folder inside the chroot.
started=$(stamp)
rm -rf "$root/src"
mkdir -p "$root/src"
git clone -q --no-hardlinks "$repo" "$root/src/scallywise"
git -C "$root/src/scallywise" checkout -q --detach "$(git -C "$repo" rev-parse HEAD)"
mount_all
log "Debian $(cat "$root/etc/debian_version") at $(git -C "$repo" rev-parse --short HEAD)"
# The sanitizer build runs on the host's Debian 12 leg already.
if (($# == 0)); then
    # `make test` as the README says, its build timed apart from its tests.
    in_chroot bash -c 'cd /src/scallywise && make build' >&2
    took "the build" "$started"
    started=$(stamp)
    in_chroot bash -c 'cd /src/scallywise && SCALLYWISE_SANITIZERS=off make test'
    took "make test" "$started"
else
    in_chroot bash -c 'cd /src/scallywise && SCALLYWISE_SANITIZERS=off "$@"' run "$@"
    took "the run in the chroot" "$started"
fi
