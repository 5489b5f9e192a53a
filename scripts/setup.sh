#!/usr/bin/env bash
# Installs with apt-get what building and testing need, when it is missing.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev clang-format clang-tidy
  libgtest-dev googletest libbenchmark-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64
  xvfb xauth xdotool xclip imagemagick fonts-wqy-microhei fonts-arphic-ukai zip unzip python3 locales)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine takes its system code page from the Unix locale: zh_CN.UTF-8 gives code page 936.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
