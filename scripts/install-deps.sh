#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs, only those that are missing
# (with --demo: only those the folivantab command needs).
set -euo pipefail

# With --demo only what the folivantab command needs (scripts/demo.sh).
demo=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libfreetype-dev libpng-dev libcli11-dev
  fonts-wine
)
packages=("${demo[@]}"
  clang libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools libwine-dev
  wine wine64
)
if [ "${1:-}" = "--demo" ]; then packages=("${demo[@]}"); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
