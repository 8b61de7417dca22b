#!/usr/bin/env bash
# Installs what QCM needs on Debian 12 (only what is missing), then configures
# and builds it.  Usage: tools/setup.sh [build-folder] [extra cmake options...]
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$here/build"}
shift || true

packages=(
  cmake g++ make pkg-config
  qtbase5-dev qtbase5-dev-tools libqt5serialport5-dev
  qttools5-dev qttools5-dev-tools qttranslations5-l10n
  libxlsxwriter-dev zlib1g-dev
  libqt5sql5-sqlite libqt5sql5-psql postgresql
  python3 python3-openpyxl
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  socat desktop-file-utils appstream poppler-utils
  fonts-wqy-microhei fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

jobs=$(nproc 2>/dev/null || echo 2)
log="$build.log"
mkdir -p "$build"
if ! { cmake -S "$here" -B "$build" "$@" && cmake --build "$build" -j "$jobs"; } >"$log" 2>&1; then
  grep -vE '^\[ *[0-9]+%\]' "$log" | tail -n 60 >&2
  echo "setup: the build failed; the whole log is $log" >&2
  exit 1
fi
grep -E 'warning:' "$log" >&2 || true
