#!/bin/sh
# Drives flintora-puzzles judge on a scratch collection: a square whose
# right side lies off to the right, one match to move back.
set -eu
tool="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
file="$dir/Kindlet.ini"
fail() { echo "FAIL: $*" >&2; exit 1; }
judged() { # expected status, expected output, arrangement lines
    status=0; out=$(printf '%b' "$3" > "$dir/box" && "$tool" judge "$file" Square "$dir/box") || status=$?
    [ "$status" = "$1" ] || fail "status $status, not $1, for: $out"
    [ "$(echo "$out" | tr '\n' '|')" = "$2" ] || fail "got [$out]"
}
printf '[Square]\r\nInstructions=Move 1 match.\r\nGoal=squares 1\r\nMoves=1\r\n' > "$file"
printf 'MatchesInPuzzle=4\r\nM1=3,-4,4\r\nM2=3,96,4\r\nM3=-4,3,0\r\nM4=196,3,0\r\n' >> "$file"
printf 'MatchesInSolution=4\r\nS1=3,-4,4\r\nS2=3,96,4\r\nS3=-4,3,0\r\nS4=96,3,0\r\n' >> "$file"

judged 0 "solved: 1 square|moves=1|" '3,-4,4\n3,96,4\n\n-4,3,0\n96,3,0\n'
judged 0 "solved: 1 square|moves=1|" '3,-4,12\n3,96,12\n-4,3,8\n96,3,0\n'
judged 1 "not solved|moves=0|" '3,-4,4\n3,96,4\n-4,3,0\n196,3,0\n'
judged 1 "not solved: 1 square, over the limit|moves=3|" '3,96,4\n3,196,4\n-4,103,0\n96,103,0\n'
judged 2 "|" '3,-4\n'
status=0; "$tool" judge "$file" Nothing "$dir/box" 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "an unknown title"
status=0; "$tool" 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "usage"
echo "flintora-puzzles judge: all passed"
