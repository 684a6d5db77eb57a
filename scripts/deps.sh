#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian 12 packages vek needs, when missing:
#   scripts/deps.sh           to build and run vek (./run-vek)
#   scripts/deps.sh --tests   the same, and what the tests, the sanitizers and
#                             the package checks need too (./run-tests, CI)
set -euo pipefail
packages=(cmake g++ make qt6-base-dev qt6-svg-dev libgl-dev libcli11-dev nlohmann-json3-dev
          fonts-arphic-uming scdoc)
if [ "${1:-}" = "--tests" ]; then
  packages+=(libgtest-dev libgmock-dev locales clang-format clang libclang-rt-14-dev
             appstream desktop-file-utils lintian devscripts poppler-utils
             at-spi2-core python3-pyatspi dbus xvfb xauth)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
# A decimal-comma locale proves that numbers do not follow the user's locale.
if [ "${1:-}" = "--tests" ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true
fi
