#!/usr/bin/env bash
# Plays a run of seeds with tq_autoplay and prints a table, one row per seed, then a summary:
# wins, game minutes, steps, deaths, loads and wall seconds, and the last line of every game
# that was not won.
#
#   tools/autoplay/play_seeds.sh TQ_AUTOPLAY GAME_FOLDER [FIRST_SEED [COUNT]] [-- OPTION ...]
#
# e.g. tools/autoplay/play_seeds.sh build/release/tools/autoplay/tq_autoplay build/release/game 1 100
set -euo pipefail

if [[ $# -lt 2 ]]; then
  sed -n '2,8p' "$0" | sed 's/^# \{0,1\}//'
  exit 2
fi
autoplay=$1
folder=$2
shift 2
first=1
count=100
if [[ $# -gt 0 && $1 != -- ]]; then first=$1; shift; fi
if [[ $# -gt 0 && $1 != -- ]]; then count=$1; shift; fi
[[ $# -gt 0 && $1 == -- ]] && shift
options=("$@")

printf '%6s  %-8s %8s %7s %7s %6s %7s\n' seed result minutes steps deaths loads wall
wins=0 played=0 minutes_sum=0 deaths_sum=0 loads_sum=0 wall_sum=0 wall_max=0
failures=()
for ((seed = first; seed < first + count; ++seed)); do
  start=$(date +%s.%N)
  line=$("$autoplay" "$folder" --seed "$seed" "${options[@]}" | tail -n 1) || true
  end=$(date +%s.%N)
  wall=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }')
  # Every last line ends "<minutes> min, <steps> steps, <deaths> deaths, <loads> loads".
  read -r minutes steps deaths loads < <(sed -E \
    's/.* ([0-9.]+) min, ([0-9]+) steps, ([0-9]+) deaths, ([0-9]+) loads$/\1 \2 \3 \4/;t;s/.*/? ? ? ?/' \
    <<<"$line")
  result=${line%% *}
  printf '%6d  %-8s %8s %7s %7s %6s %7s\n' "$seed" "$result" "$minutes" "$steps" "$deaths" \
    "$loads" "$wall"
  played=$((played + 1))
  if [[ $result == won ]]; then
    wins=$((wins + 1))
    minutes_sum=$(awk -v s="$minutes_sum" -v m="$minutes" 'BEGIN { print s + m }')
  else
    failures+=("seed $seed: $line")
  fi
  [[ $deaths == '?' ]] || deaths_sum=$((deaths_sum + deaths))
  [[ $loads == '?' ]] || loads_sum=$((loads_sum + loads))
  wall_sum=$(awk -v s="$wall_sum" -v w="$wall" 'BEGIN { print s + w }')
  wall_max=$(awk -v m="$wall_max" -v w="$wall" 'BEGIN { print (w > m ? w : m) }')
done

echo
echo "won $wins of $played"
if ((wins > 0)); then
  awk -v s="$minutes_sum" -v n="$wins" 'BEGIN { printf "game minutes per win: %.1f on average\n", s / n }'
fi
echo "deaths $deaths_sum, loads $loads_sum in all"
awk -v s="$wall_sum" -v n="$played" -v m="$wall_max" \
  'BEGIN { printf "wall seconds per game: %.2f on average, %.2f at most\n", s / n, m }'
for f in "${failures[@]}"; do echo "$f"; done
