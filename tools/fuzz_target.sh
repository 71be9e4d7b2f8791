# Sourced by the fuzz scripts: builds one libFuzzer target with clang (address+undefined
# sanitizers) in build-fuzz-reply/ and runs it for a bounded time on the seeds that the
# caller's `seeds FOLDER` function writes; findings land in build-fuzz-reply/NAME-crashes/.
#   run_fuzzer NAME SECONDS      (target NAME_fuzzer, built from tests/unit_link/)
run_fuzzer() {
    local name=$1 seconds=$2
    local root build corpus crashes
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    build="$root/build-fuzz-reply"
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQM_FUZZ=ON -DQM_SANITIZE=ON >/dev/null
    cmake --build "$build" --target "${name}_fuzzer" -j2
    corpus="$build/$name-corpus"
    crashes="$build/$name-crashes"
    mkdir -p "$corpus" "$crashes"
    seeds "$corpus"
    export ASAN_OPTIONS=detect_leaks=0
    "$build/tests/unit_link/${name}_fuzzer" -max_total_time="$seconds" -max_len=256 \
        -rss_limit_mb=1024 -artifact_prefix="$crashes/" -print_final_stats=1 "$corpus"
}
