# Installs the Debian packages the project needs, only those missing.
# Sourced by scripts/test and scripts/demo.

VARKEL_PACKAGES_NATIVE="cmake g++ make libgtest-dev libgmock-dev clang-14 libclang-rt-14-dev"
VARKEL_PACKAGES_WINDOWS="g++-mingw-w64-x86-64-posix wine64 wine xvfb fonts-wqy-microhei xdotool imagemagick icoutils x11-utils python3"

varkel_missing_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  echo "${missing[@]}"
}

varkel_install() {
  local missing
  missing=$(varkel_missing_packages "$@")
  [ -z "$missing" ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "installing: $missing"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
}
