# Shared by the scripts: the Debian packages the project needs, and the build steps.
# Sourced, not run.

TALLOX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# ccache (when installed) shares its cache between checkouts in different folders.
export CCACHE_BASEDIR="$TALLOX_ROOT"
export CCACHE_NOHASHDIR=1

# Build and run time: compiler, Qt 6 (widgets, print support, SVG), the plotting engine, QuaZip
# (the zip packages of .xlsx and .ods), Polish texts for Qt's own dialogs, fonts with Polish
# glyphs, the tool-bar icons.
# Tests and checks: GoogleTest, freexl (independent .xls reader), Xvfb for real-window runs,
# poppler-utils (pdftotext reads printed pages back), LibreOffice Calc without its windows
# (opens and re-saves the workbooks and CSV files the program writes).
TALLOX_PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev
  libqcustomplot-dev libqcustomplot2.1-qt6 libquazip1-qt6-dev
  qt6-translations-l10n fonts-dejavu-core tango-icon-theme
  libgtest-dev libbenchmark-dev libfreexl-dev
  xvfb xauth x11-apps imagemagick poppler-utils libreoffice-calc-nogui
  # Checks of the installed desktop file, MIME type and icon (scripts/package adds what
  # building the Debian package needs: dpkg-dev, fakeroot, file).
  desktop-file-utils libxml2-utils librsvg2-bin
)

tallox_missing_packages() {
  local p missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

# Installs what is missing (apt-get, as root or through sudo); says clearly when it cannot.
tallox_install_packages() {
  local missing
  missing=$(tallox_missing_packages "${TALLOX_PACKAGES[@]}" "$@")
  [ -z "$missing" ] && return 0
  echo "Installing missing Debian packages: $missing"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo="sudo"
    else
      echo "These packages are missing and this script is not running as root, and sudo is absent:" >&2
      echo "  $missing" >&2
      echo "Install them as root (apt-get install $missing) and run the command again." >&2
      exit 1
    fi
  fi
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

# tallox_build <build-dir> [cmake options...]: configures and builds everything.
# TALLOX_TARGET=<name> tallox_build ...: builds that target only.
tallox_build() {
  local dir=$1; shift
  local jobs
  jobs=$(nproc 2>/dev/null || echo 2)
  cmake -S "$TALLOX_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  if [ -n "${TALLOX_TARGET:-}" ]; then
    cmake --build "$dir" -j "$jobs" --target "$TALLOX_TARGET"
  else
    cmake --build "$dir" -j "$jobs"
  fi
}
