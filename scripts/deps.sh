#!/usr/bin/env bash
# Installs the Debian packages the game and its tests need, skipping those already present.
set -euo pipefail
paquets=(cmake g++ make pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev
         libsdl2-mixer-dev libasound2-dev timgm6mb-soundfont dpkg-dev
         libgtest-dev libgmock-dev libbenchmark-dev
         xvfb xauth xdotool fonts-dejavu-core)
manquants=()
for p in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        manquants+=("$p")
    fi
done
if [ ${#manquants[@]} -gt 0 ]; then
    echo "Installing: ${manquants[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi
