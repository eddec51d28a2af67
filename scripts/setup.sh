#!/usr/bin/env bash
# Installs what the build needs from Debian's packages (only what is missing)
# and builds everything into build/. Shared by ./run and ./test.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mapfile -t packages < <(grep -v '^\s*\(#\|$\)' "$root/scripts/debian-packages")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    if [[ $(id -u) -ne 0 ]]; then
        echo "These Debian packages are missing. Install them, then run this again:" >&2
        echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}"
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
# Build chatter goes to stderr so that ./run keeps stdout for the program.
cmake --build "$root/build" --parallel "$(nproc)" >&2
