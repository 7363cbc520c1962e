#!/usr/bin/env bash
# Measures the game's window side by side with two bare SDL windows of the same size, in one run
# under one Xvfb (software GL): first frame, resident memory, idle CPU on the title and standing
# in play, frames presented against frames that change a pixel, how fast LOAD answers in the
# first second, memory after a long walk, and the exit status of every way of ending the game.
#
#   bash bench/measure_window.sh [IDLE_SECONDS [PLAY_SECONDS [RUNS]]]   (60 120 5)
#
# An hour of walking: bash bench/measure_window.sh 60 3600.
#
# Builds build/release first. GAME_FOLDER=... measures another built game folder instead (its
# copy is played in, never the folder itself).
set -euo pipefail
cd "$(dirname "$0")/.."

idle=${1:-60}
play=${2:-120}
runs=${3:-5}

need=(xvfb libxdamage-dev libxtst-dev)
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
fi

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTQ_TESTS=OFF -DTQ_BENCH=ON \
  -DTQ_WERROR=ON >/dev/null
cmake --build build/release -j 4 --target tarvoquest tq_bare_window tq_window_measure \
  game_rooms game_pictures game_sounds game_tunes >/dev/null

work=$(mktemp -d)
cp -r "${GAME_FOLDER:-build/release/game}" "$work/game"

# A display number nobody uses.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1920x1080x24 -br -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.05
done

DISPLAY=":$display" build/release/bench/window/tq_window_measure "$work/game" \
  "$PWD/build/release/bench/window/tq_bare_window" "$idle" "$play" "$runs"
