# Shared by scripts/run and scripts/test: installs the Debian packages the
# build needs when any is missing, then configures and builds.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"

PACKAGES=(cmake ninja-build g++ pkg-config
          qt6-base-dev qt6-base-dev-tools libgl-dev
          zlib1g-dev libjpeg62-turbo-dev libxcb1-dev libfontconfig-dev libpng-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          fonts-liberation2 qt6-translations-l10n
          # the screen reader check (tests/atspi)
          at-spi2-core dbus xvfb xauth python3-pyatspi xdotool openbox x11-utils)

PACKAGES+=(desktop-file-utils appstream lintian dpkg-dev file)  # scripts/package and its checks

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# configure_and_build <build dir> [cmake options...]
configure_and_build() {
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$ROOT/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$ROOT/$dir" -j"$(nproc)"
}
