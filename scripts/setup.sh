#!/usr/bin/env bash
# Installs with apt-get what building and testing need, when it is missing: on a minimal
# Debian 12 every command the scripts and tests run comes from these packages.
set -euo pipefail

# Root runs apt-get itself; anyone else needs sudo.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"
  elif command -v sudo >/dev/null; then sudo "$@"
  else echo "setup: '$*' needs root: run this as root or install sudo" >&2; exit 1
  fi
}
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
updated=""
install() {
  local missing=() p
  for p in "$@"; do installed "$p" || missing+=("$p"); done
  [ ${#missing[@]} -gt 0 ] || return 0
  echo "setup: installing ${missing[*]}"
  [ -n "$updated" ] || { as_root apt-get update -q; updated=yes; }
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

packages=(
  git cmake ninja-build g++ python3 locales             # building; git lists the sources to format
  clang libclang-rt-14-dev clang-format clang-tidy      # sanitizers, fuzzing, format and lint
  libgtest-dev googletest libbenchmark-dev              # tests and benchmarks
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64  # the 64-bit Windows program
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686      # the 32-bit Windows program
  wine wine64                                           # running them
  xvfb xauth xdotool xclip x11-utils imagemagick        # a virtual screen, input, clipboard, xprop, screenshots
  fonts-wqy-microhei fonts-arphic-ukai                  # the fonts of a Chinese Windows
  unzip binutils                                        # the end-to-end test: unzip, strings
)
install "${packages[@]}"

# 32-bit Wine for the 32-bit program, where the kernel runs 32-bit programs itself: some
# kernels are built or booted without that (ia32_emulation=off). There the wine command,
# which prefers the 32-bit loader once wine32 is installed, would start no program at all,
# and through an emulator registered for 32-bit programs (qemu-user) every Wine program,
# 64-bit ones included, would crawl. So the loader's C library is installed and tried first.
runs_32bit() {
  ! grep -qs '^magic 7f454c460101010000000000000000000200030' /proc/sys/fs/binfmt_misc/* &&
    /lib/ld-linux.so.2 --version >/dev/null 2>&1
}
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "setup: adding the i386 architecture for 32-bit Wine"
  as_root dpkg --add-architecture i386
  updated=""
fi
install libc6:i386
if runs_32bit; then
  install wine32:i386
elif installed wine32:i386; then
  echo "setup: wine32 is installed, but this kernel runs no 32-bit programs: the wine command then starts" \
    "no program at all. Remove it: apt-get remove wine32:i386" >&2
  exit 1
else
  echo "setup: this kernel runs no 32-bit programs, so no 32-bit Wine: the 32-bit program's Wine tests cannot run here"
fi

# Wine takes its system code page from the Unix locale: zh_CN.UTF-8 gives code page 936.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  as_root localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
