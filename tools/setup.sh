#!/usr/bin/env bash
# Installs the Debian packages the Lodrin tool set needs to build, run and test.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libgl1-mesa-dev
    libsqlitecpp-dev libsqlite3-dev sqlite3
    mdbtools-dev zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-wqy-microhei qt6-translations-l10n
    xvfb xauth
    desktop-file-utils appstream shared-mime-info dpkg-dev
    clang-14 libclang-rt-14-dev libfuzzer-14-dev clang-format-14
    dbus
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: every package is installed"
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
