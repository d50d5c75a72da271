#!/bin/sh
# Drives flintora-ini through every command on a scratch collection.
set -eu
tool="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
file="$dir/Kindlet.ini"
fail() { echo "FAIL: $*" >&2; exit 1; }
expect() { [ "$1" = "$2" ] || fail "expected [$2], got [$1]"; }
# Exit status 1 with a reason on standard error.
refused() {
    status=0; err=$("$tool" "$@" 2>&1 >/dev/null) || status=$?
    [ "$status" = 1 ] && [ -n "$err" ] || fail "not refused with a reason: $*"
}

expect "$("$tool" set "$file" Triangle Instructions 'Caf\303\251')" 1
expect "$("$tool" set "$file" Triangle MatchesInPuzzle 1)" 1
expect "$("$tool" set "$file" Triangle M1 '60,20,2')" 1
expect "$("$tool" set "$file" Settings Volume 3)" 1
expect "$("$tool" get "$file" triangle m1 none 55)" "60,20,2"
expect "$("$tool" get "$file" triangle m1 none 3)" "60"
expect "$("$tool" get "$file" nope k 'dflt' 255)" "dflt"
expect "$("$tool" sections "$file" | tr '\n' ' ')" "Triangle Settings "
expect "$("$tool" list "$file")" "Triangle"
"$tool" show "$file" Triangle | grep -qx 'M1=60,20,2' || fail "show"
"$tool" check "$file" >/dev/null || fail "clean file reported"
"$tool" set "$file" Triangle M1 '60,x' >/dev/null
out=$("$tool" check "$file") && fail "check passed a bad value"
echo "$out" | grep -q ':4: ' || fail "line number missing: $out"
"$tool" delete-key "$file" Triangle M1
expect "$("$tool" get "$file" Triangle M1 gone 55)" "gone"
"$tool" delete "$file" triangle
expect "$("$tool" list "$file")" ""
big=$(head -c 70000 /dev/zero | tr '\0' a)
"$tool" set "$file" Big k "$big" >/dev/null
expect "$("$tool" get "$file" Big k none 70000 | wc -c)" 70000
kept=$(cksum <"$file")
refused set "$file" S k "$(printf '\305\202')"
refused set "$file" S '[k' v
refused set "$file" S 'k=j' v
refused set "$file" S k "$(printf 'a\nb')"
refused delete "$file" "$(printf 'S\r')"
expect "$(cksum <"$file")" "$kept"
printf '\357\273\277' >"$dir/utf8.ini"
expect "$("$tool" set "$dir/utf8.ini" S k "$(printf '\305\202')")" 1
printf '\377\376[\000S\000]\000' >"$dir/utf16.ini"
for path in "$dir/missing.ini" "$dir" "$dir/utf16.ini"; do
    for command in list sections check; do refused "$command" "$path"; done
done
if [ "$(id -u)" != 0 ]; then
    cp "$file" "$dir/locked.ini" && chmod 000 "$dir/locked.ini"
    refused list "$dir/locked.ini"
fi
status=0; "$tool" get "$file" 2>/dev/null || status=$?
expect "$status" 2
status=0; "$tool" get "$file" S K D notanumber 2>/dev/null || status=$?
expect "$status" 2
status=0; "$tool" bogus 2>/dev/null || status=$?
expect "$status" 2
status=0; "$tool" set "$dir" S K V >/dev/null 2>&1 || status=$?
expect "$status" 1
echo ok
