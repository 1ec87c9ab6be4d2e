#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes COUNT random sessions of a person at the window, as action scripts
# for flumetra-replay, into FOLDER (session-0001.script, …): 10 to 39
# actions each, the state printed after a third of them and at the end; or,
# with LENGTH, LENGTH actions each with the state printed after every one.
# Each session ends with the details of its duct, then in another material
# and another air, so that the friction factor is compared at many points.
# The same SEED writes the same scripts wherever Bash is the same version.
# The control names come from the player (REPLAY, by default the Linux
# build's), so that they are the window's own.
#   scripts/random-sessions.sh FOLDER COUNT [SEED [LENGTH]]
set -euo pipefail
folder=$1 count=$2 fixed_length=${4:-}
source "$(dirname "$0")/lib.sh"
replay=${REPLAY:-$(dirname "$0")/../$(preset_dir default)/replay/flumetra-replay}
mkdir -p "$folder"

mapfile -t radios < <("$replay" --list-controls click)
mapfile -t spinners < <("$replay" --list-controls up)
mapfile -t fields < <("$replay" --list-controls type)
mapfile -t materials < <("$replay" --list-controls material)
[ ${#radios[@]} -gt 0 ] && [ ${#spinners[@]} -gt 0 ] && [ ${#fields[@]} -gt 0 ] && [ ${#materials[@]} -gt 0 ] \
  || { echo "random-sessions: $replay gave no control names" >&2; exit 1; }
RANDOM=${3:-1}  # seeded once the lists are read
typed=(500 750 1200 3000 3050 12000 80 3,5 4 0,8 12,25 0,023 0,1 1,5 10 25 0 - abc 1e3 ",5" 99999 "")

# Bash draws RANDOM anew in a subshell, so no $( ) below: the same seed
# must give the same scripts.
pick() { local -n list=$1; picked=${list[RANDOM % ${#list[@]}]}; }

one_action() {
  case $((RANDOM % 12)) in
    0 | 1) pick radios; echo "click $picked" ;;
    2 | 3 | 4) pick spinners; echo "up $picked" ;;
    5 | 6) pick spinners; echo "down $picked" ;;
    7 | 8) pick fields; local field=$picked; pick typed; echo "type $field $picked" ;;
    9) pick fields; local field=$picked; pick typed; echo "set $field $picked" ;;
    10) pick spinners; local ways=(up down); echo "wheel $picked ${ways[RANDOM % 2]}" ;;
    11) pick fields
        case $((RANDOM % 4)) in
          0) echo "key $picked" ;;
          1) echo "keypad $picked $((RANDOM % 90 + 1)).$((RANDOM % 10))" ;;
          2) echo "tab $picked" ;;
          3) echo "backtab $picked" ;;
        esac ;;
  esac
}

for ((session = 1; session <= count; ++session)); do
  {
    echo "# random session $session"
    length=${fixed_length:-$((10 + RANDOM % 30))}
    for ((action = 0; action < length; ++action)); do
      one_action
      if [ -n "$fixed_length" ] || [ $((RANDOM % 3)) = 0 ]; then echo dump; fi
    done
    echo dump
    echo details
    pick materials
    echo "material $picked"
    echo "air $((RANDOM % 109 - 29)),$((RANDOM % 10)) $((RANDOM % 4001))"
    echo details
  } >"$folder/$(printf 'session-%04d.script' "$session")"
done
