# Shared set-up of the bench scripts; sourced, not run.
#   bench_setup NAME DEFAULT_ROUNDS BUILD_TARGETS PROGRAM... -- "$@"
# reads `-n ROUNDS` from the script's arguments into $rounds, checks that each PROGRAM is built
# (naming the build targets when one is not) and makes $work, a folder in TMPDIR removed on exit.
bench_setup() {
    local name=$1 targets=$3
    rounds=$2
    shift 3
    local programs=()
    while [ "$1" != -- ]; do
        programs+=("$1")
        shift
    done
    shift
    if [ $# -eq 2 ] && [ "$1" = -n ] && [[ $2 =~ ^[1-9][0-9]*$ ]]; then
        rounds=$2
    elif [ $# -ne 0 ]; then
        echo "usage: $0 [-n ROUNDS]" >&2
        exit 2
    fi
    for program in "${programs[@]}"; do
        if [ ! -x "$program" ]; then
            echo "$0: $program not found; run scripts/build.sh release $targets first" >&2
            exit 1
        fi
    done
    work=$(mktemp -d "${TMPDIR:-/tmp}/hexlume-$name-XXXXXX")
    trap 'rm -rf "$work"' EXIT
}

# 8192 × 16384 pixels at 32 bits (BI_RGB, no alpha): 512 MiB of random pixel data after the 54
# bytes of headers, 536 870 966 bytes in all.
write_big_bitmap() {
    printf 'BM\x36\x00\x00\x20\x00\x00\x00\x00\x36\x00\x00\x00' >"$1"         # file header
    printf '\x28\x00\x00\x00\x00\x20\x00\x00\x00\x40\x00\x00\x01\x00\x20\x00' >>"$1" # size, 8192, 16384, 1 plane, 32 bits
    printf '\x00\x00\x00\x00\x00\x00\x00\x20\x13\x0b\x00\x00\x13\x0b\x00\x00' >>"$1" # BI_RGB, 512 MiB, 72 dpi
    printf '\x00\x00\x00\x00\x00\x00\x00\x00' >>"$1"                                 # no palette
    head -c 536870912 /dev/urandom >>"$1"
}
