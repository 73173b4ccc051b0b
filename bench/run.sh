#!/usr/bin/env bash
# Builds and runs the benchmarks, then writes bench/out/results.csv and bench/out/curves.png.
# SIZES=0,100 picks the board sizes; BENCH_ARGS="--dot-run 1 --index-depth 7 --without-new-tools" measures the board
# as it was before its dots were grouped, for comparison.
source "$(dirname "$0")/../scripts/common.sh"

install_missing "${board_packages[@]}" gnuplot-nox
build build-bench -DCMAKE_BUILD_TYPE=Release -DTAVELO_BUILD_TESTS=OFF -DTAVELO_BUILD_BENCH=ON

out="$project_root/bench/out"
mkdir -p "$out"
# A full-HD screen, so that the maximized board is as large as the board the strokes cross.
QT_QPA_PLATFORM="offscreen:configfile=$project_root/bench/screen.json" \
    "$project_root/build-bench/bench/tavelo_bench" --sizes "${SIZES:-0,100,1000,10000}" \
    ${BENCH_ARGS:-} --out "$out/results.csv"
column -s, -t < "$out/results.csv"

# Each timed curve over board size, and each operation against its plain-QPainter floor; sizes
# are spaced evenly and labelled.
series() { echo "\"< grep '^$1,' $out/results.csv\" using 0:$2:xtic(2) with linespoints title '$1'"; }
gnuplot <<PLOT
set terminal pngcairo size 1200,2100
set output "$out/curves.png"
set datafile separator ","
set multiplot layout 3,1
set key top left
set logscale y
set xlabel "finished strokes of 1,000 points on the board"
set ylabel "microseconds (median)"
set title "Board operations over board size"
plot $(series "pen move with repaint" 3), $(series "pen move (event only)" 3), \
     $(series "repaint of a dot" 3), $(series "press (pen)" 3), $(series "press (move)" 3), \
     $(series "shape drag" 3), $(series "full repaint" 3), $(series "full view repaint" 3), \
     $(series "toolkit dirty pass" 3), $(series "highlighter move" 3), $(series "eraser move" 3)
set ylabel "times the same painting with a plain QPainter"
set title "Board operations against their floor"
plot $(series "pen move with repaint" 7), $(series "repaint of a dot" 7), \
     $(series "shape drag" 7), $(series "full repaint" 7), $(series "full view repaint" 7)
set ylabel "times its goal (under 1: met)"
set title "Each goal row against its goal"
set xtics ("0" 0, "100" 1, "1,000" 2, "10,000" 3)
set xrange [-0.2:3.2]
goal(name) = sprintf("< grep '^%s,' $out/results.csv", name)
at = "(\$2 == 0 ? 0 : log10(\$2) - 1)"
plot for [name in "'pen move with repaint' 'press (pen)' 'shape drag' 'full view repaint' \
                   'memory per pen move' 'first recovery copy (GUI thread)' \
                   'recovery copy after a stroke (GUI thread)' 'start-up'"] \
     goal(name) using @at:9 with linespoints title name, 1 with lines dashtype 2 title "goal"
unset multiplot
PLOT
echo "Wrote $out/results.csv and $out/curves.png"
