#!/usr/bin/env bash
# One-command set-up: installs what is missing from Debian's archive, builds the game folder,
# then starts the game (play) or builds and runs every test (test).
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake g++ make git clang-format pkg-config libsdl2-dev libsdl2-image-dev
  libsdl2-mixer-dev libsdl2-ttf-dev libflac-dev timgm6mb-soundfont fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

# JOBS=4 bash setup.sh ... builds with fewer jobs on a shared machine.
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

case "${1:-}" in
  play)
    install_missing
    cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTQ_TESTS=OFF -DTQ_BENCH=OFF \
      -DTQ_WERROR=ON
    cmake --build build/release -j "$jobs"
    exec build/release/game/tarvoquest
    ;;
  test)
    install_missing
    echo "Checking the code style"
    git ls-files -z '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run --Werror
    cmake -S . -B build/debug -DCMAKE_BUILD_TYPE=Debug -DTQ_SANITIZE=ON -DTQ_WERROR=ON
    cmake --build build/debug -j "$jobs"
    ctest --test-dir build/debug -j "$jobs" --output-on-failure
    ;;
  *)
    echo "usage: bash setup.sh play | test" >&2
    exit 2
    ;;
esac
