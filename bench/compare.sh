#!/usr/bin/env bash
# Compares tarvok-asm with 64tass on generated sources of 250,000, 500,000 and 1,000,000
# characters, times the desktop program's path for the 1,000,000-character source, and checks
# both against Tarvok's speed targets. Prints the table that the README's "Performance" section
# shows.
#
#   bench/compare.sh [ROUNDS]       ROUNDS timing rounds (default 15)
#
# It builds what it needs in build-bench/ (CMake's Release configuration: -O3, no debug checks;
# TARVOK_BENCH_BUILD names another folder). Each round runs both assemblers once on every size,
# alternating which goes first; times are wall-clock milliseconds of the whole process (bash's
# EPOCHREALTIME), and the table shows their medians. Peak resident memory is GNU time's %M of
# three more runs each (the median). Before timing, both programs assemble every source and the
# PRG files must be identical byte for byte, and so must the file of the desktop path. Run it on
# a quiet machine: it prints the load average at the start and the end.
# Exit status: 0 when every output is identical and every target is met, 1 otherwise.
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."

rounds=${1:-15}
folder=${TARVOK_BENCH_BUILD:-build-bench}
seed=1
sizes=(250000 500000 1000000)
desktop_rounds=5

for tool in 64tass /usr/bin/time cmake; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "compare.sh: $tool is missing (scripts/install-deps.sh installs it)" >&2
    exit 1
  fi
done

launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
echo "compare.sh: building tarvok-asm and the benchmark programs in $folder (Release)..." >&2
cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVOK_BUILD_TESTS=OFF \
  "${launcher[@]}" >/dev/null
cmake --build "$folder" --parallel 2 --target tarvok-asm bench_write_sources bench_desktop_path \
  >/dev/null

tarvok_asm=$folder/app/tarvok-asm
write_sources=$folder/bench/bench_write_sources
desktop_path=$folder/bench/bench_desktop_path
tass=(64tass -q -Wno-jmp-bug --cbm-prg)

# The sources and program files live in memory (/dev/shm) when it can be written: tarvok-asm
# flushes its program file to the disk before renaming it into place and 64tass does not, and on a
# disk that flush would be timed instead of the assemblers.
if [[ -d /dev/shm && -w /dev/shm ]]; then
  work_parent=/dev/shm
else
  work_parent=${TMPDIR:-/tmp}
fi
work=$(mktemp -d "$work_parent/tarvok-compare.XXXXXX")
trap 'rm -rf "$work"' EXIT

load_at_start=$(cut -d' ' -f1 /proc/loadavg)

# ---- Sources and identical output -------------------------------------------------------------
declare -A chars lines bytes
for n in "${sizes[@]}"; do
  # "999667 characters, 27309 lines, 12076 labels, 710 variables, 57995 bytes from $801"
  read -r c _ l _ _ _ _ _ b _ < <("$write_sources" "$seed" "$n" "$work/s$n.asm" "$work/s$n.s")
  chars[$n]=$c lines[$n]=$l bytes[$n]=$b
  "${tass[@]}" -o "$work/t$n.prg" "$work/s$n.s" >/dev/null
  "$tarvok_asm" -o "$work/k$n.prg" "$work/s$n.asm"
  if ! cmp -s "$work/t$n.prg" "$work/k$n.prg"; then
    echo "compare.sh: tarvok-asm and 64tass disagree on the $n-character source (seed $seed)" >&2
    exit 1
  fi
done

# ---- Timing -----------------------------------------------------------------------------------
# Microseconds of one run of the command, from bash's own clock (no extra process).
run_us() {
  local start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1 || { echo "compare.sh: failed: $*" >&2; exit 1; }
  local end=$EPOCHREALTIME
  echo $(( ${end/./} - ${start/./} ))
}

median() {
  printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

declare -A tarvok_us tass_us
for ((round = 0; round < rounds; round++)); do
  for n in "${sizes[@]}"; do
    if ((round % 2 == 0)); then
      tarvok_us[$n]+=" $(run_us "$tarvok_asm" -o "$work/k.prg" "$work/s$n.asm")"
      tass_us[$n]+=" $(run_us "${tass[@]}" -o "$work/t.prg" "$work/s$n.s")"
    else
      tass_us[$n]+=" $(run_us "${tass[@]}" -o "$work/t.prg" "$work/s$n.s")"
      tarvok_us[$n]+=" $(run_us "$tarvok_asm" -o "$work/k.prg" "$work/s$n.asm")"
    fi
  done
done

# Peak resident memory in KiB: the median of three runs.
peak_kib() {
  local runs=()
  for _ in 1 2 3; do
    /usr/bin/time -f %M -o "$work/rss" "$@" >/dev/null 2>&1
    runs+=("$(tail -n 1 "$work/rss")")
  done
  median "${runs[@]}"
}

declare -A tarvok_ms tass_ms tarvok_kib tass_kib
for n in "${sizes[@]}"; do
  # shellcheck disable=SC2086  # the lists are meant to split into words
  tarvok_ms[$n]=$(awk -v us="$(median ${tarvok_us[$n]})" 'BEGIN { printf "%.1f", us / 1000 }')
  # shellcheck disable=SC2086
  tass_ms[$n]=$(awk -v us="$(median ${tass_us[$n]})" 'BEGIN { printf "%.1f", us / 1000 }')
  tarvok_kib[$n]=$(peak_kib "$tarvok_asm" -o "$work/k.prg" "$work/s$n.asm")
  tass_kib[$n]=$(peak_kib "${tass[@]}" -o "$work/t.prg" "$work/s$n.s")
done

# ---- The desktop path -------------------------------------------------------------------------
big=${sizes[-1]}
if ! desktop_out=$("$desktop_path" "$work/s$big.asm" "$work/d.prg" "$desktop_rounds" 2>"$work/desktop.err"); then
  cat "$work/desktop.err" >&2
  echo "compare.sh: the desktop benchmark failed" >&2
  exit 1
fi
if ! cmp -s "$work/d.prg" "$work/k$big.prg"; then
  echo "compare.sh: the desktop program's file differs from tarvok-asm's" >&2
  exit 1
fi
desktop() { awk -v key="$1" '$1 == key { print $2 }' <<<"$desktop_out"; }

load_at_end=$(cut -d' ' -f1 /proc/loadavg)

# ---- The table --------------------------------------------------------------------------------
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }
thousands() { sed -e ':a' -e 's/\([0-9]\)\([0-9]\{3\}\)\($\|,\)/\1,\2\3/' -e 'ta' <<<"$1"; }
at_most() { awk -v v="$1" -v limit="$2" 'BEGIN { print (v <= limit) ? "met" : "NOT MET" }'; }

compiler=$(awk -F= '/^CMAKE_CXX_COMPILER:/ { print $2 }' "$folder/CMakeCache.txt")
echo "tarvok-asm $("$tarvok_asm" --version | cut -d' ' -f2) ($(basename "$compiler") $("$compiler" -dumpfullversion), Release)" \
  "against $(64tass --version | head -n 1 | tr -cd '[:print:]'); $(nproc) cores; seed $seed; $rounds rounds;" \
  "load average $load_at_start at the start, $load_at_end at the end; files in $work_parent"
echo
echo "| Source | Lines | Program | tarvok-asm | 64tass | tarvok/64tass | tarvok-asm peak RSS | 64tass peak RSS | Same bytes |"
echo "|---|---|---|---|---|---|---|---|---|"
for n in "${sizes[@]}"; do
  printf '| %s chars | %s | %s bytes | %s ms | %s ms | %s | %s | %s | yes |\n' \
    "$(thousands "${chars[$n]}")" "$(thousands "${lines[$n]}")" \
    "$(thousands "${bytes[$n]}")" "${tarvok_ms[$n]}" "${tass_ms[$n]}" \
    "$(ratio "${tarvok_ms[$n]}" "${tass_ms[$n]}")" "$(mib "${tarvok_kib[$n]}")" "$(mib "${tass_kib[$n]}")"
done
small=${sizes[0]}
growth=$(ratio "${tarvok_ms[$big]}" "${tarvok_ms[$small]}")
echo
echo "Time for 1,000,000 against 250,000 characters: tarvok-asm $growth," \
  "64tass $(ratio "${tass_ms[$big]}" "${tass_ms[$small]}")."

base=${tarvok_ms[$big]}
load_ms=$(desktop load_ms) colour_ms=$(desktop colour_ms) assemble_ms=$(desktop assemble_ms)
first_ms=$(desktop first_lines_ms) last_ms=$(desktop last_lines_ms)
load_colour_ms=$(awk -v a="$load_ms" -v b="$colour_ms" 'BEGIN { printf "%.1f", a + b }')
echo
echo "Desktop program (Qt editor, offscreen; median of $desktop_rounds runs) on the 1,000,000-character" \
  "source, against tarvok-asm's $base ms:"
echo
echo "| Step | Time | Against tarvok-asm |"
echo "|---|---|---|"
printf '| Load the text into the editor | %.1f ms | %s |\n' "$load_ms" "$(ratio "$load_ms" "$base")"
printf '| Colour the whole text | %.1f ms | %s |\n' "$colour_ms" "$(ratio "$colour_ms" "$base")"
printf '| Load and colour | %.1f ms | %s |\n' "$load_colour_ms" "$(ratio "$load_colour_ms" "$base")"
printf '| Assemble To Prg File | %.1f ms | %s |\n' "$assemble_ms" "$(ratio "$assemble_ms" "$base")"
printf '| Read 2,000 editor lines at the start / at the end | %.2f / %.2f ms | %s at the end |\n' \
  "$first_ms" "$last_ms" "$(ratio "$last_ms" "$first_ms")x"

speed=$(ratio "${tarvok_ms[$big]}" "${tass_ms[$big]}")
memory=$(awk -v k="${tarvok_kib[$big]}" 'BEGIN { printf "%.1f", k / 1024 }')
desktop_ratio=$(ratio "$assemble_ms" "$base")
load_ratio=$(ratio "$load_colour_ms" "$base")
lines_ratio=$(ratio "$last_ms" "$first_ms")
results=(
  "tarvok-asm on 1,000,000 characters at most 0.5 x 64tass: $speed|$(at_most "$speed" 0.5)"
  "1,000,000 / 250,000 character time at most 4.5: $growth|$(at_most "$growth" 4.5)"
  "tarvok-asm peak memory at most 32 MiB: $memory MiB|$(at_most "$memory" 32)"
  "desktop Assemble To Prg File at most 3 x tarvok-asm: $desktop_ratio|$(at_most "$desktop_ratio" 3)"
  "desktop load and colour at most 5 x tarvok-asm: $load_ratio|$(at_most "$load_ratio" 5)"
  "reading a line at the end at most 2 x one at the start: $lines_ratio|$(at_most "$lines_ratio" 2)"
)
echo
echo "Targets:"
status=0
for r in "${results[@]}"; do
  echo "- ${r%|*}: ${r##*|}"
  [[ ${r##*|} == met ]] || status=1
done
exit $status
