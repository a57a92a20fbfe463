#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each for SECONDS (default 60) on its corpus, seeded with the theme files and the
# main window's form file that the default build draws. The corpus grows from run to run in
# build/fuzz/corpus; a finding fails the run and leaves its input in build/fuzz/findings.
#
#   tools/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
jobs=$(nproc)

cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs" --target vantrel_themes vantrel_artwork
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs" --target themeloader_fuzz formfile_fuzz

corpus=build/fuzz/corpus
findings=build/fuzz/findings
mkdir -p "$corpus/themeloader" "$corpus/formfile" "$findings"
cp build/default/app/themes/*.xbn "$corpus/themeloader/"
cp build/default/resources/artwork/form1.vform "$corpus/formfile/"

export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp"
fuzz() {
  local name=$1 dict=$2
  echo "Fuzzing $name for $seconds s"
  "build/fuzz/fuzz/${name}_fuzz" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
    -dict="$dict" -artifact_prefix="$findings/$name-" -print_final_stats=1 "$corpus/$name"
}
fuzz themeloader fuzz/theme.dict
fuzz formfile fuzz/form.dict
