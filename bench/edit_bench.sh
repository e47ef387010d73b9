#!/usr/bin/env bash
# The main window (offscreen) on the 512 MiB bitmap: resident memory and times of opening it, a
# first edit (a pixel byte), a biHeight edit, a later edit, an undo, Save As and an extension by
# 1 MiB (whose peak holds the file twice for a moment), next to cp and
# cp + sync of the same file (a safe save flushes the new file to the disk, cp does not). The
# input is made in TMPDIR (1.5 GiB free needed), flushed and read once untimed, so every run
# finds it in the page cache; outputs are removed after each run. "the save's writing alone" is
# the save without the views shown again for the saved file's name, done twice.
#
# usage: bench/edit_bench.sh [-n ROUNDS]      (after scripts/build.sh release hexlume_edit_bench)
# environment: HEXLUME_EDIT_BENCH (default build/release/bench/hexlume_edit_bench), TMPDIR
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
program=${HEXLUME_EDIT_BENCH:-$root/build/release/bench/hexlume_edit_bench}
source "$root/bench/bench_common.sh"
bench_setup edit 1 hexlume_edit_bench "$program" -- "$@"
big=$work/big.bmp

write_big_bitmap "$big"
sync "$big"  # flushed now, so no timed save waits for it
cat "$big" >/dev/null

# cp and cp + sync, timed before and after the window's run: on a shared machine the disk's pace
# drifts within a round.
copies() {
    for command in cp 'cp && sync'; do
        start=$(date +%s.%N)
        if [ "$command" = cp ]; then cp "$big" "$work/copy.bmp"; else cp "$big" "$work/copy.bmp" && sync "$work/copy.bmp"; fi
        printf '%-34s %9.1f ms\n' "$command of the same file" "$(echo "($(date +%s.%N) - $start) * 1000" | bc)"
        rm -f "$work/copy.bmp"
    done
}

echo "machine: $(nproc) cores, shared; load before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "one bitmap of $(($(stat -c %s "$big") / 1048576)) MiB, page cache warm"
for round in $(seq "$rounds"); do
    echo "-- round $round"
    copies
    QT_QPA_PLATFORM=offscreen "$program" "$big" "$work/saved.bmp" | grep -v '^RESULT'
    if cmp -s "$big" "$work/saved.bmp"; then echo "the saved file lacks the edits" >&2; exit 1; fi
    rm -f "$work/saved.bmp"
    copies
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
