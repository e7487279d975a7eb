#!/usr/bin/env bash
# Saves against a real full disk, a folder that forbids new files and shell
# redirections, with root's right to override file modes dropped.
# Usage: saves_on_disk_test.sh PLATFORM_TESTS VERBALIA_FIND
set -u
platform_tests=$1
find=$2
work=$(mktemp -d)
failures=0
trap 'umount "$work/disk" 2>/dev/null; rm -rf "$work"' EXIT

check() { # description, then the command that must succeed
    local what=$1; shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
as_user() { capsh --drop=cap_dac_override,cap_dac_read_search,cap_fowner -- -c "$*"; }

# A full disk: a 1 MiB file system whose folder forbids new files.
mkdir "$work/disk"
if mount -t tmpfs -o size=1m tmpfs "$work/disk" 2>/dev/null; then
    mkdir "$work/disk/program"
    head -c 600000 /dev/zero | tr '\0' 'w' > "$work/disk/program/wordlist.dat"
    chmod 666 "$work/disk/program/wordlist.dat"
    chmod 555 "$work/disk/program"
    check "a rewrite in place on a full disk keeps the file whole" \
        as_user "VERBALIA_FULL_DISK_FOLDER=$work/disk/program/ '$platform_tests' --gtest_filter=*FullDiskRewriteInPlace*"
else
    echo "skipped: full disk (this machine forbids mounting a tmpfs)"
fi

# Standard output into the list or the text: refused, the list untouched.
cd "$work"
printf 'ant\r\nbee\r\n' > list
cp list list.before
printf 'cat\n' > text
check ">> into the list is refused" as_user "'$find' --list list wildcard '*' >> list 2>err; [ \$? = 64 ]"
check "the list is untouched" cmp -s list list.before
check "> into the list says the shell emptied it" \
    as_user "'$find' --list list harvest text > list 2>err; [ \$? = 64 ] && grep -q 'shell emptied' err"
cp list.before list
check "> into the text is refused" as_user "'$find' --list list harvest text > text 2>err; [ \$? = 64 ]"
check "output elsewhere still works" as_user "'$find' --list list harvest list.before > out 2>err"

[ "$failures" = 0 ]
