#!/usr/bin/env bash
# Installs what building, running and testing アクエンザ needs on Debian 12:
# compiler, CMake, Qt 6, GoogleTest, Google Benchmark, the Japanese Mincho and
# Gothic fonts, Qt's Japanese translations of its own dialogs, a virtual X
# display for screenshots, the locale sources from which the tests compile a
# decimal-comma locale, and poppler-utils, with
# which the tests read the printed PDF back as text; Qt SVG, with which the
# build draws the program icon as an SVG file, and the tools that make and
# check the .deb (dpkg-shlibdeps, lintian, the desktop-entry, AppStream and
# MIME validators); clang with its sanitizer and libFuzzer runtimes for the
# fuzz targets. Packages already present are skipped; sudo is used when not
# running as root.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-mincho fonts-ipafont-gothic
  xvfb xauth
  locales
  poppler-utils
  qt6-svg-dev
  qt6-translations-l10n
  dpkg-dev file lintian appstream desktop-file-utils shared-mime-info
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything needed is present"
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "install-deps: installing ${missing[*]}"
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
