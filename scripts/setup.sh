#!/usr/bin/env bash
# Installs the Debian packages Hexlume needs to build, test and run. Does nothing when all are
# present; as non-root it prints the exact install command and fails.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    libgtest-dev libbenchmark-dev nlohmann-json3-dev liblcms2-dev
    fonts-arphic-uming fonts-wqy-microhei fonts-dejavu-core
    imagemagick parallel
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Hexlume needs these packages. Install them as root with:" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}"
