#!/usr/bin/env bash
# Builds and runs the benchmarks, then writes bench/out/results.csv and bench/out/curves.png.
source "$(dirname "$0")/../scripts/common.sh"

install_missing "${board_packages[@]}" gnuplot-nox
build build-bench -DCMAKE_BUILD_TYPE=Release -DTAVELO_BUILD_TESTS=OFF -DTAVELO_BUILD_BENCH=ON

out="$project_root/bench/out"
mkdir -p "$out"
"$project_root/build-bench/bench/tavelo_bench" --sizes "${SIZES:-0,100,1000,10000}" \
    --out "$out/results.csv"
column -s, -t < "$out/results.csv"

# Each timed curve over board size; sizes are spaced evenly and labelled.
series() { echo "\"< grep '^$1,' $out/results.csv\" using 0:3:xtic(2) with linespoints title '$1'"; }
gnuplot <<PLOT
set terminal pngcairo size 1200,800
set output "$out/curves.png"
set datafile separator ","
set key top left
set logscale y
set xlabel "finished strokes of 1,000 points on the board"
set ylabel "microseconds (median)"
set title "Board operations over board size"
plot $(series "pen move"), $(series "press (pen)"), $(series "press (move)"), \
     $(series "shape drag"), $(series "full repaint"), $(series "full view repaint"), \
     $(series "toolkit dirty pass")
PLOT
echo "Wrote $out/results.csv and $out/curves.png"
