# Shared by ./run and ./test: installs the Debian packages that are missing and builds.
# Sourced, not run.

QVM_BUILD_DIR=${QVM_BUILD_DIR:-build}
QVM_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libglib2.0-dev libturbojpeg0-dev zlib1g-dev
  shared-mime-info dbus-daemon fonts-dejavu-core xvfb xdotool qt6-translations-l10n dpkg-dev)
# What the test of the Debian package checks it with.
QVM_TEST_PACKAGES=(file desktop-file-utils appstream)

qvm_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the named packages that are not installed yet; asks apt nothing when all are there.
qvm_ensure_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installerer: ${missing[*]}"
  qvm_as_root apt-get update
  qvm_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# Configures and builds the named targets; every target when none is named.
# QVM_CMAKE_OPTIONS: further options of the configuration (an array), such as -DQVM_SANITIZE=ON.
qvm_build() {
  cmake -S . -B "$QVM_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release ${QVM_CMAKE_OPTIONS[@]+"${QVM_CMAKE_OPTIONS[@]}"} >/dev/null
  cmake --build "$QVM_BUILD_DIR" --parallel "$(nproc)" ${1:+--target "$@"}
}
