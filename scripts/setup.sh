#!/usr/bin/env bash
# Installs what the build needs on Debian 12 when it is missing.
set -euo pipefail

PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-liberation fonts-urw-base35 xvfb xauth poppler-utils)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
  echo "These Debian packages are missing. Install them with:"
  echo "  sudo apt-get install -y ${missing[*]}"
  exit 1
fi
