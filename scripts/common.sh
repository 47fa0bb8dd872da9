# Shared by scripts/run and scripts/test: package installation and the build.
# Sourced, not executed.

ORVELANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Every Debian 12 package the build, the tests and the app need.
ORVELANE_PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-declarative-dev-tools
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-5compat-dev
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-layouts
  qml6-module-qtquick-window qml6-module-qtquick-templates qml6-module-qtqml
  qml6-module-qtqml-workerscript qml6-module-qttest qml6-module-qtquick-dialogs
  qml6-module-qt5compat-graphicaleffects qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-material-design-icons-iconfont fonts-dejavu-core
  xvfb xauth x11-utils xdotool trash-cli python3-venv openbox wmctrl imagemagick
  locales
  librsvg2-bin desktop-file-utils appstream man-db dpkg-dev jq fontconfig
)

orvelane_missing_packages() {
  local missing=()
  for pkg in "${ORVELANE_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ "${#missing[@]}" -eq 0 ] || printf '%s\n' "${missing[@]}"
}

orvelane_install_packages() {
  local missing
  mapfile -t missing < <(orvelane_missing_packages | grep -v '^$')
  [ "${#missing[@]}" -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "error: need root or sudo to install: ${missing[*]}" >&2; return 1; }
    sudo=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# orvelane_build BUILD_DIR [extra cmake args...]
orvelane_build() {
  local dir="$1"; shift
  local generator=()
  [ -f "$dir/CMakeCache.txt" ] || generator=(-G Ninja)
  cmake -S "$ORVELANE_ROOT" -B "$dir" "${generator[@]}" -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}" "$@"
  cmake --build "$dir" --parallel "$(nproc)"
}
