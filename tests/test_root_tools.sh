#!/usr/bin/env bash
# The tools that run as root take nothing from another user and leave nothing behind:
# - tools/fresh-debian runs what it keeps in its store as root, so it refuses a store, or anything
#   in it, that is not root's own or that others can write to, before it makes or downloads
#   anything, and it makes its store private. Nothing here reaches the network: mmdebstrap, bwrap
#   and apt-get are tripwires that only note they were reached.
# - tools/try-package says when the package build fails and removes the root it kept, and only
#   that: here behind a fresh-debian that fails as a build would.
# - tests/with-desktop stops when it cannot make its folder, before it runs anything.
# Needs root, as the tools do.
#
#   test_root_tools.sh
set -uo pipefail
[ "$(id -u)" -eq 0 ] || { echo "skipped: the tools run as root only"; exit 77; }
tests=$(dirname "$(realpath "$0")")
fresh_debian=$tests/../tools/fresh-debian
work=$(mktemp -d /tmp/velmora-root-tools.XXXXXX) || exit 1
source "$tests/checks.sh"

mkdir "$work/bin"
for tool in mmdebstrap bwrap apt-get; do
    printf '#!/bin/sh\necho %s >>"%s/reached"\nexit 1\n' "$tool" "$work" >"$work/bin/$tool"
    chmod +x "$work/bin/$tool"
done
reached() { [ -f "$work/reached" ] && cat "$work/reached"; }
# Past its checks the tool goes on towards a download. How far it gets here depends on the machine
# (whether mmdebstrap is installed, where apt keeps its sources), so what counts is that it refused
# nothing and kept going.
got_past_the_checks() { ! grep -q refusing "$work/message"; }

# Runs the tool on a store; its message goes to $work/message.
run_on() {
    rm -f "$work/reached"
    VELMORA_FRESH_DEBIAN=$1 PATH="$work/bin:$PATH" "$fresh_debian" -- true >/dev/null 2>"$work/message"
}

refuses() {
    local store=$1 expected=$2
    run_on "$store"
    local status=$?
    [ $status -eq 1 ] && grep -q "refusing .*$expected" "$work/message" && [ -z "$(reached)" ] ||
        { echo "  status $status, reached: $(reached | tr '\n' ' ')"; cat "$work/message"; return 1; }
}

# A store, then the folder to plant in it, its owner and mode, and the words the refusal has.
planted() {
    local name=$1 inside=$2 owner=$3 mode=$4 expected=$5 store
    store=$work/$name/store
    mkdir -p -m 0755 "$work/$name"
    mkdir -m 0700 "$store"
    [ -z "$inside" ] || mkdir "$store/$inside"
    chown "$owner" "$store/$inside"
    chmod "$mode" "$store/$inside"
    check "refuses $name" refuses "$store" "$expected"
}

planted "a store another user made" "" nobody 0700 "owned by nobody"
planted "a store anyone can write to" "" root 0777 "mode 777: others can write"
planted "a store its group can write to" "" root 0770 "mode 770: others can write"
planted "a base another user made" bookworm nobody 0755 "bookworm (owned by nobody)"
planted "a base anyone can write to" bookworm root 0777 "bookworm (mode 777"
planted "a half-made base another user made" bookworm.partial nobody 0755 "owned by nobody"
planted "downloads another user keeps" bookworm-archives nobody 0755 "owned by nobody"

mkdir -m 0755 "$work/linked" "$work/elsewhere"
ln -s "$work/elsewhere" "$work/linked/store"
check "refuses a store that is a symbolic link" refuses "$work/linked/store" "symbolic link"
mkdir -m 0755 "$work/users"
chown nobody "$work/users"
check "refuses a store in a folder another user owns" refuses "$work/users/store" "its folder .* is owned by nobody"
check "and makes nothing there" test ! -e "$work/users/store"

# The normal way on, up to the first tool that would download: a new store is made private, and a
# store root made before with a looser mode is made private too.
mkdir -m 0755 "$work/new"
run_on "$work/new/store"
check "a new store gets past the checks" got_past_the_checks
check "and is made with mode 0700" test "$(stat -c %a "$work/new/store")" = 700
mkdir -m 0755 "$work/old" "$work/old/store"
run_on "$work/old/store"
check "a store of root's own with mode 0755 gets past the checks" got_past_the_checks
check "and is made private" test "$(stat -c %a "$work/old/store")" = 700

# --- try-package, with the package build failing in a root fresh-debian kept
mkdir -p "$work/tree/tools"
cp "$tests/../tools/try-package" "$work/tree/tools/"
mkdir "$work/decoy"
cat >"$work/tree/tools/fresh-debian" <<END
#!/bin/sh
root=\$(mktemp -d /var/tmp/velmora-fresh-root.XXXXXX)
echo "\$root" >"$work/kept"
echo "fresh-debian: kept $work/decoy"
echo "dpkg-buildpackage: error: debian/rules binary subprocess returned exit status 2"
echo "fresh-debian: kept \$root" >&2
exit 2
END
chmod +x "$work/tree/tools/fresh-debian"
"$work/tree/tools/try-package" >/dev/null 2>"$work/message"
check "try-package fails when the package build fails" test $? -eq 1
check "and says so" grep -q "try-package: the package build failed (exit status 2)" "$work/message"
check "with the build's last lines" grep -q "dpkg-buildpackage: error" "$work/message"
check "and removes the root that was kept" test -n "$(cat "$work/kept")" -a ! -e "$(cat "$work/kept")"
check "and nothing else a line of the build named" test -d "$work/decoy"

# --- with-desktop, where no folder can be made under /tmp
if unshare -m true 2>/dev/null; then
    unshare -m sh -c "mount -t tmpfs -o ro tmpfs /tmp && cd / && '$tests/with-desktop' -- touch '$work/ran'" \
        >/dev/null 2>"$work/message"
    check "with-desktop stops when it cannot make its folder" test $? -eq 1
    check "and says so" grep -q "with-desktop: cannot make a folder under /tmp" "$work/message"
    check "before it runs the command" test ! -e "$work/ran"
else
    echo "skip with-desktop without /tmp: no mount namespace here"
fi

finish message
