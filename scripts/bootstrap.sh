# Sourced by ./run and ./test: installs the Debian packages the build needs
# and configures and builds the Release tree in build/.
set -euo pipefail

SOLMON_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SOLMON_PACKAGES=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev
  xvfb xauth)

solmon_missing_packages() {
  local missing=()
  for p in "${SOLMON_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

solmon_install_packages() {
  local missing
  missing="$(solmon_missing_packages)"
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Solmon needs these Debian packages: $missing" >&2
    echo "Run this script as root to install them, or: sudo apt-get install $missing" >&2
    exit 1
  fi
  echo "Installing: $missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  # shellcheck disable=SC2086
  apt-get install -y -q --no-install-recommends $missing
}

solmon_jobs() { nproc 2>/dev/null || echo 2; }

# solmon_build DIR [cmake options...]
solmon_build() {
  local dir="$1"; shift
  cmake -S "$SOLMON_ROOT" -B "$SOLMON_ROOT/$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$SOLMON_ROOT/$dir" -j "$(solmon_jobs)"
}
