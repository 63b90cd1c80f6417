#!/usr/bin/env bash
# How often a listing that changes while frameplan reads it still ends in exit status 0. A 200 MB
# listing is read by "frameplan info" while, at a random moment of the reading, it is truncated
# to nothing or rewritten with another listing (alternately). Only a change that lands after the
# reading's last look at the file may end in 0, and then with the listing as it was whole: of the
# runs that ended in 0, those whose summary differs from an undisturbed run's are counted apart,
# and should be none.
#   bench/listing_changes.sh [BUILD_DIR] [ROUNDS] [WORK_DIR] [FRAMEPLAN]
# FRAMEPLAN times another build of the program in place of BUILD_DIR's.
set -euo pipefail
build=${1:-build}
rounds=${2:-100}
work=${3:-$(mktemp -d /tmp/frameplan-changes.XXXXXX)}
frameplan=${4:-$build/bin/frameplan}
gen=$build/bin/gen_listing

original=$work/original.anl
other=$work/other.anl
listing=$work/listing.anl
[ -f "$original" ] || "$gen" --storeys 12 --bays-x 10 --bays-z 8 --load-cases 6 --size-mb 200 \
    --output "$original" >/dev/null
[ -f "$other" ] || "$gen" --storeys 6 --bays-x 4 --bays-z 4 --load-cases 2 --size-mb 50 \
    --output "$other" >/dev/null

# The time of one undisturbed reading, in milliseconds, sets the range of the random moments.
cp "$original" "$listing"
start=$(date +%s%N)
"$frameplan" info "$listing" | grep -v '^Read in' >"$work/whole.txt"
read_ms=$(( ($(date +%s%N) - start) / 1000000 ))
echo "undisturbed reading: ${read_ms} ms"

declare -A ended_zero=([truncated]=0 [rewritten]=0) total=([truncated]=0 [rewritten]=0)
declare -A zero_but_other=([truncated]=0 [rewritten]=0)
for ((round = 0; round < rounds; round++)); do
    cp "$original" "$listing"
    change=$([ $((round % 2)) -eq 0 ] && echo truncated || echo rewritten)
    delay_ms=$((RANDOM % (read_ms + 1)))
    "$frameplan" info "$listing" >"$work/info.txt" 2>&1 &
    reader=$!
    sleep "$(awk -v ms="$delay_ms" 'BEGIN { print ms / 1000 }')"
    if [ "$change" = truncated ]; then
        : >"$listing"
    else
        cat "$other" >"$listing"
    fi
    status=0
    wait "$reader" || status=$?
    total[$change]=$((total[$change] + 1))
    if [ "$status" -eq 0 ]; then
        ended_zero[$change]=$((ended_zero[$change] + 1))
        if ! grep -v '^Read in' "$work/info.txt" | cmp -s - "$work/whole.txt"; then
            zero_but_other[$change]=$((zero_but_other[$change] + 1))
        fi
    fi
done
for change in truncated rewritten; do
    echo "$change: ${ended_zero[$change]} of ${total[$change]} ended with exit status 0," \
        "${zero_but_other[$change]} of them with a summary other than the whole listing's"
done
rm -f "$work/info.txt" "$work/whole.txt"
[ $# -ge 3 ] || rm -rf "$work"
