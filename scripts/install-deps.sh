#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine. Idempotent:
# a second run on a prepared machine only checks and returns.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

packages=(
  cmake ninja-build make g++ clang-14 libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  zlib1g-dev libz-mingw-w64-dev
  wine wine32:i386 wine64
  xvfb xauth imagemagick xdotool x11-utils
  fonts-noto-cjk fonts-wqy-microhei
  locales inotify-tools fp-utils
)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt_updated=0
fi

for p in "${packages[@]}"; do
  have_pkg "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: missing packages: ${need[*]}; run as root" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${need[@]}"
fi

# The mingw posix thread model is the one that gives std::thread and std::mutex.
if command -v update-alternatives >/dev/null; then
  for tool in i686-w64-mingw32-g++ i686-w64-mingw32-gcc x86_64-w64-mingw32-g++ x86_64-w64-mingw32-gcc; do
    if [ -e "/usr/bin/$tool-posix" ] && [ "$(readlink -f "/usr/bin/$tool")" != "/usr/bin/$tool-posix" ]; then
      update-alternatives --set "$tool" "/usr/bin/$tool-posix" >/dev/null 2>&1 || true
    fi
  done
fi

# zh_CN.UTF-8 makes Wine use code page 936, as on the systems the program targets.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: locale zh_CN.UTF-8 missing; run as root" >&2
    exit 1
  fi
  sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
fi
