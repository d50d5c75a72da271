#!/bin/sh
# Drives flintora-puzzles on a scratch collection: a square whose right side
# lies off to the right, one match to move back.
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
square() { # title, instructions, moves
    printf '[%s]\r\nInstructions=%s\r\nGoal=squares 1\r\nMoves=%s\r\n' "$1" "$2" "$3"
    printf 'MatchesInPuzzle=4\r\nM1=103,96,4\r\nM2=103,196,4\r\nM3=96,103,0\r\nM4=296,103,0\r\n'
    printf 'MatchesInSolution=4\r\nS1=103,96,4\r\nS2=103,196,4\r\nS3=96,103,0\r\nS4=196,103,0\r\n'
}
square Square "Move 1 match." 1 > "$file"

judged 0 "solved: 1 square|moves=1|" '103,96,4\n103,196,4\n\n96,103,0\n196,103,0\n'
judged 0 "solved: 1 square|moves=1|" '103,96,12\n103,196,12\n96,103,8\n196,103,0\n'
judged 1 "not solved|moves=0|" '103,96,4\n103,196,4\n96,103,0\n296,103,0\n'
judged 1 "not solved: 1 square, over the limit|moves=3|" '103,196,4\n103,296,4\n96,203,0\n196,203,0\n'
judged 2 "|" '103,96\n'
status=0; "$tool" judge "$file" Nothing "$dir/box" 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "an unknown title"
status=0; "$tool" 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "usage"

# The one answer moves the far match back; its lines judge as solved.
"$tool" answers "$file" Square > "$dir/answers" || fail "answers"
[ "$(head -2 "$dir/answers" | tr '\n' '|')" = "1 answer, fewest moves 1|# answer 1: 1 square, moves=1|" ] ||
    fail "answers said: $(cat "$dir/answers")"
grep -v '^[#0-9]* answer' "$dir/answers" > "$dir/box"
"$tool" judge "$file" Square "$dir/box" > /dev/null || fail "the listed answer is not solved"
"$tool" verify "$file" || fail "a sound collection does not verify"

# A limit above the fewest moves and a count the puzzle lacks are both named.
square Loose "Move 3 matches." 2 >> "$file"
status=0; out=$("$tool" verify "$file") || status=$?
[ "$status" = 1 ] || fail "verify passed a loose puzzle"
[ "$out" = "Loose: Moves=2 but 1 suffice
Loose: says 3 matches, which the puzzle does not have" ] || fail "verify said [$out]"
echo "flintora-puzzles: all passed"
