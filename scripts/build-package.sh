#!/usr/bin/env bash
# Builds the Debian package as a build daemon does: the source package made from HEAD, then built from
# it alone in a clean chroot of RELEASE (minbase, build-essential and the Build-Depends), without root
# or network, its build-time tests included; then lintian --pedantic on the .changes and the installed
# package's own tests (autopkgtest, null runner) in the same chroot. With --twice, a second build with
# another path, time zone, locale, umask and clock must give byte-identical packages.
# ARCH may be a foreign one (arm64), run through qemu-user.
# The bare chroots are kept under /var/cache/scallywise/pkg-RELEASE[-ARCH]; each build runs on a
# throw-away overlay of one, so it starts clean every time. Every mount made here is undone.
# Usage: scripts/build-package.sh bookworm|trixie [ARCH] [--twice] [--no-autopkgtest]
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

release="" arch="" twice="" autopkgtest=yes prepare_only=""
for a in "$@"; do
    case $a in
        --twice) twice=yes ;;
        --no-autopkgtest) autopkgtest="" ;;
        --prepare-only) prepare_only=yes ;;
        bookworm | trixie) release=$a ;;
        -*) echo "build-package: unknown option $a" >&2; exit 2 ;;
        *) arch=$a ;;
    esac
done
[[ -n $release ]] || { echo "usage: $0 bookworm|trixie [ARCH] [--twice] [--no-autopkgtest]" >&2; exit 2; }
host_arch=$(dpkg --print-architecture)
arch=${arch:-$host_arch}

cache=${SCALLYWISE_CHROOT_CACHE:-/var/cache/scallywise}
name=pkg-$release
[[ $arch == "$host_arch" ]] || name=$name-$arch
base=$cache/$name
layer=$cache/$name.run
root=$layer/root
out=$repo/dist/$release-$arch

log() { echo "build-package: $*" >&2; }
stamp() { date +%s; }
took() { log "$1 took $(($(stamp) - $2)) s"; }

[[ $(id -u) -eq 0 ]] || { log "needs root (chroot, mount, debootstrap)"; exit 2; }
export DEBIAN_FRONTEND=noninteractive
host_needs=(debootstrap dpkg-dev git xz-utils)
[[ $arch == "$host_arch" ]] || host_needs+=(qemu-user-static binfmt-support)
missing=()
for p in "${host_needs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    log "installing ${missing[*]}"
    apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi
if [[ $arch != "$host_arch" ]]; then
    # A foreign program runs through qemu, which the kernel finds through binfmt_misc.
    mountpoint -q /proc/sys/fs/binfmt_misc || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    update-binfmts --enable "qemu-$(dpkg-architecture -a"$arch" -qDEB_HOST_GNU_CPU 2>/dev/null)" 2>/dev/null || true
fi

# The archive this machine's apt uses, so the chroot gets its packages from the same place.
archive() {
    local uri
    uri=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*debian\)[[:space:]]*$/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -1)
    [[ -n $uri ]] || uri=$(awk '$1 == "deb" && $2 !~ /security/ {print $2; exit}' /etc/apt/sources.list 2>/dev/null)
    echo "${uri:-http://deb.debian.org/debian}"
}

mkdir -p "$cache"
exec 9>"$cache/$name.lock"
flock -n 9 || { log "another run holds $cache/$name.lock"; exit 2; }

# Undoes, deepest first, only the mounts this run made.
mounted=()
unmount_all() {
    local i target
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        target=${mounted[$i]}
        umount "$target" 2>/dev/null || umount -l "$target" || log "could not unmount $target"
    done
    mounted=()
}
# Processes left running inside the chroot (a server a failed test left behind) are stopped by id.
stop_chroot_processes() {
    local pid link dir
    for dir in "$root" "$base"; do
        for link in /proc/[0-9]*/root; do
            pid=${link#/proc/}; pid=${pid%/root}
            [[ $(readlink "$link" 2>/dev/null) == "$dir" ]] && kill -9 "$pid" 2>/dev/null || true
        done
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

bind_mount() {
    mkdir -p "$2"
    mountpoint -q "$2" && { log "$2 is mounted already"; exit 2; }
    mount --bind "$1" "$2"
    mounted+=("$2")
}
mount_system() {
    local m
    for m in proc sys dev dev/pts dev/shm; do bind_mount "/$m" "$1/$m"; done
    cp /etc/resolv.conf "$1/etc/resolv.conf"
}

# Runs a command in the chroot at $1 as root.
in_chroot() {
    local dir=$1; shift
    chroot "$dir" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        DEBIAN_FRONTEND=noninteractive "$@"
}

# --- The bare chroot: minbase and build-essential, and a user to build as ---
wanted=$(echo "$release $arch minbase build-essential builder 1" | sha256sum | cut -d' ' -f1)
if [[ ! -f $base/.scallywise-stamp || $(cat "$base/.scallywise-stamp") != "$wanted" ]]; then
    mountpoint -q "$root" && { log "$root is still mounted; not removing"; exit 2; }
    rm -rf "$base" "$base.new"
    started=$(stamp)
    log "bootstrapping Debian $release for $arch from $(archive)"
    # Two stages, so that a foreign architecture's second stage runs through qemu inside the chroot.
    debootstrap --foreign --arch="$arch" --variant=minbase --include=build-essential \
        "$release" "$base.new" "$(archive)" >"$cache/$name.debootstrap.log" 2>&1 ||
        { tail -20 "$cache/$name.debootstrap.log"; log "debootstrap failed"; exit 1; }
    in_chroot "$base.new" /debootstrap/debootstrap --second-stage >>"$cache/$name.debootstrap.log" 2>&1 ||
        { tail -20 "$cache/$name.debootstrap.log"; log "debootstrap's second stage failed"; exit 1; }
    in_chroot "$base.new" useradd --create-home --shell /bin/bash builder
    in_chroot "$base.new" apt-get clean
    mv "$base.new" "$base"
    echo "$wanted" >"$base/.scallywise-stamp"
    took "bootstrapping $name" "$started"
fi
[[ -z $prepare_only ]] || exit 0

# --- The source package (native), from a clean clone of HEAD ---
started=$(stamp)
version=$(dpkg-parsechangelog -l debian/changelog -S Version)
upstream=$version
rm -rf "$out"
mkdir -p "$out"
git clone -q --no-hardlinks "$repo" "$out/scallywise-$upstream"
git -C "$out/scallywise-$upstream" checkout -q --detach "$(git -C "$repo" rev-parse HEAD)"
rm -rf "$out/scallywise-$upstream/.git"
(cd "$out" && dpkg-source -b "scallywise-$upstream" >"$out/source.log" 2>&1) ||
    { cat "$out/source.log"; log "dpkg-source -b failed"; exit 1; }
rm -rf "${out:?}/scallywise-$upstream"
took "the source package scallywise_$version.dsc" "$started"

for d in "$root"/*; do mountpoint -q "$d" && { log "$d is still mounted"; exit 2; }; done
mountpoint -q "$root" && { log "$root is still mounted"; exit 2; }

# --- The Build-Depends, installed once as a layer of their own over the bare chroot ---
# The layer is kept while the bare chroot and the source stanza of debian/control stay the same, so
# each build still has exactly minbase, build-essential and the declared Build-Depends, without
# spending the half hour apt takes under qemu on every run.
deps=$cache/$name.deps
deps_wanted=$({ cat "$base/.scallywise-stamp"; awk 'BEGIN { RS = "" } NR == 1' debian/control; } | sha256sum | cut -d' ' -f1)
if [[ ! -f $deps.stamp || $(cat "$deps.stamp") != "$deps_wanted" ]]; then
    started=$(stamp)
    rm -rf "$deps" "$deps.stamp" "$layer"
    mkdir -p "$layer"/{upper,work,root}
    mount -t overlay overlay -o "lowerdir=$base,upperdir=$layer/upper,workdir=$layer/work" "$root"
    mounted+=("$root")
    mount_system "$root"
    mkdir -p "$root/tmp/control"
    cp -r debian "$root/tmp/control/"
    in_chroot "$root" bash -c "apt-get update -qq && apt-get build-dep -y -qq /tmp/control </dev/null && apt-get clean" \
        >"$out/build-dep.log" 2>&1 || { tail -30 "$out/build-dep.log"; log "apt-get build-dep failed"; exit 1; }
    rm -rf "$root/tmp/control"
    stop_chroot_processes
    unmount_all
    mv "$layer/upper" "$deps"
    rm -rf "$layer"
    echo "$deps_wanted" >"$deps.stamp"
    took "apt-get build-dep into $deps" "$started"
fi

# --- A throw-away overlay of both, with the source package in /build ---
rm -rf "$layer"
mkdir -p "$layer"/{upper,work,root}
mount -t overlay overlay -o "lowerdir=$deps:$base,upperdir=$layer/upper,workdir=$layer/work" "$root"
mounted+=("$root")
mount_system "$root"
mkdir -p "$root/build"
cp "$out"/scallywise_* "$root/build/"

# As the build daemon builds: as a user, not root, and with no network (a namespace of its own).
as_builder() {
    unshare --net chroot --userspec=builder:builder "$root" /usr/bin/env -i HOME=/home/builder TERM=dumb \
        PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 "$@"
}

in_chroot "$root" bash -c "cd /build && dpkg-source -x scallywise_$version.dsc src >/dev/null"
in_chroot "$root" chown -R builder:builder /build

# build PATH SETUP OPTIONS: dpkg-buildpackage of the source package unpacked at PATH, after the shell
# commands SETUP, with DEB_BUILD_OPTIONS=OPTIONS.
build() {
    local path=$1 setup=$2 options=$3
    as_builder bash -c "set -e; mkdir -p \"\$(dirname '$path')\";
        dpkg-source -x /build/scallywise_$version.dsc '$path' >/dev/null; cd '$path'; $setup
        DEB_BUILD_OPTIONS='$options' dpkg-buildpackage -us -uc"
}
jobs=$(nproc)
started=$(stamp)
build /build/first/scallywise-$upstream "" "parallel=$jobs" >"$out/build.log" 2>&1 ||
    { tail -60 "$out/build.log"; log "dpkg-buildpackage failed (see $out/build.log)"; exit 1; }
took "dpkg-buildpackage with dh_auto_test" "$started"
sed -n 's/^.*Test #[0-9]*: \([^ ]*\) .*\(Passed\|Skipped\|Failed\).*sec$/\1 \2/p; /tests passed/p; /Total Test time/p' "$out/build.log" >&2 || true
cp "$root/build/first"/scallywise_* "$root/build/first"/scallywise-dbgsym_* "$out/" 2>/dev/null || true
changes=scallywise_${version}_$arch.changes
deb=scallywise_${version}_$arch.deb
log "installed size $(dpkg-deb -f "$out/$deb" Installed-Size) KiB; Depends: $(dpkg-deb -f "$out/$deb" Depends)"

if [[ -n $twice ]]; then
    # The same build again, varied as reprotest varies it: another path (deeper), time zone, locale,
    # umask and a clock a year and a month ahead; the packages must be the same bytes.
    in_chroot "$root" bash -c "apt-get install -y -qq locales faketime </dev/null && echo 'fr_CH.UTF-8 UTF-8' >/etc/locale.gen && locale-gen" \
        >"$out/vary.log" 2>&1 || { tail -20 "$out/vary.log"; log "could not install locales and faketime"; exit 1; }
    started=$(stamp)
    build /build/second/a/longer/path/scallywise-$upstream \
        "umask 0002; export TZ=GMT-14 LANG=fr_CH.UTF-8 LC_ALL=fr_CH.UTF-8 FAKETIME=+398d LD_PRELOAD=/usr/lib/\$(dpkg-architecture -qDEB_HOST_MULTIARCH)/faketime/libfaketime.so.1;" \
        "parallel=$jobs nocheck" >"$out/build-second.log" 2>&1 ||
        { tail -60 "$out/build-second.log"; log "the second dpkg-buildpackage failed"; exit 1; }
    took "the second, varied build" "$started"
    same=yes
    for f in "$root/build/first"/*.deb; do
        if cmp -s "$f" "$root/build/second/a/longer/path/$(basename "$f")"; then
            log "reproducible: $(basename "$f") $(sha256sum <"$f" | cut -c1-16)"
        else
            same=""
            log "NOT reproducible: $(basename "$f")"
            cp "$root/build/second/a/longer/path/$(basename "$f")" "$out/second-$(basename "$f")"
        fi
    done
    [[ -n $same ]] || { log "the two builds differ; diffoscope $out/$deb $out/second-$deb shows where"; exit 1; }
fi

# lintian, from the release's own archive, installed only now that the build is over.
started=$(stamp)
in_chroot "$root" bash -c "apt-get install -y -qq lintian </dev/null" >"$out/lintian-install.log" 2>&1 ||
    { tail -20 "$out/lintian-install.log"; log "could not install lintian"; exit 1; }
# A failure here is told at the end, after the tests of the package have run too.
failed=()
if as_builder bash -c "cd /build/first && lintian --pedantic --info --display-experimental --fail-on error,warning $changes" \
    >"$out/lintian.txt" 2>&1; then
    log "lintian $(in_chroot "$root" lintian --version | awk '{print $2}'): no error, no warning ($(grep -c '^[A-Z]: ' "$out/lintian.txt" || true) notes in $out/lintian.txt)"
else
    grep -v '^N:' "$out/lintian.txt" >&2
    failed+=(lintian)
fi
took lintian "$started"

# The package test of the project's own (tests/desktop/package-test.sh): the .deb against its build
# tree, unpacked and played with sound, installed with apt and started from its menu entry, purged.
started=$(stamp)
in_chroot "$root" bash -c "apt-get install -y -qq --no-install-recommends xvfb xauth openbox xdotool x11-utils \
    pulseaudio pulseaudio-utils dbus libglib2.0-bin devscripts python3 </dev/null" >"$out/package-test-install.log" 2>&1 ||
    { tail -20 "$out/package-test-install.log"; log "could not install what the package test needs"; exit 1; }
obj=/build/first/scallywise-$upstream/obj-$(in_chroot "$root" dpkg-architecture -qDEB_HOST_GNU_TYPE)
in_chroot "$root" bash /build/src/tests/desktop/package-test.sh "/build/first/$deb" "$obj" >"$out/package-test.log" 2>&1 ||
    failed+=("the package test")
cat "$out/package-test.log" >&2
took "the package test" "$started"

if [[ -n $autopkgtest ]]; then
    started=$(stamp)
    in_chroot "$root" bash -c "apt-get install -y -qq autopkgtest </dev/null" >"$out/autopkgtest-install.log" 2>&1 ||
        { tail -20 "$out/autopkgtest-install.log"; log "could not install autopkgtest"; exit 1; }
    in_chroot "$root" autopkgtest "/build/first/$deb" /build/src -- null >"$out/autopkgtest.log" 2>&1 ||
        { tail -60 "$out/autopkgtest.log"; failed+=(autopkgtest); }
    sed -n '/^@@@* summary/,$p' "$out/autopkgtest.log" >&2
    took autopkgtest "$started"
fi
((${#failed[@]} == 0)) || { log "failed: ${failed[*]} (see $out)"; exit 1; }
log "done: $out"
