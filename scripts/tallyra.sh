#!/usr/bin/env bash
# Installs what is missing, builds into build/, then runs the program or the tests.
#   scripts/tallyra.sh run    build and start build/tallyra
#   scripts/tallyra.sh test   build and run every test headless
#   scripts/tallyra.sh build  build only
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libqt6sql6-sqlite qt6-multimedia-dev qt6-translations-l10n
  fonts-liberation2 xvfb xauth x11-apps imagemagick poppler-utils
  xdotool x11-utils python3-numpy
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Instalando: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build

case "${1:-run}" in
  run)
    exec build/tallyra "${@:2}"
    ;;
  test)
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
    ;;
  build)
    ;;
  *)
    echo "uso: $0 [run|test|build]" >&2
    exit 2
    ;;
esac
