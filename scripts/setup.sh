#!/usr/bin/env bash
# Installs every Debian package the project needs; does nothing when all are present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev libgl-dev fonts-nanum
  libshp-dev libxlsxwriter-dev libzip-dev libpugixml-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  python3 python3-dbfread python3-ezdxf python3-openpyxl python3-jsonschema
  libocct-data-exchange-dev ghostscript
  poppler-utils qt6-translations-l10n
  clang-14 libclang-rt-14-dev
  locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A decimal-comma locale, so tests can show that files do not depend on the process locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
