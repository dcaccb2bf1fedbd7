#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing tamro need;
# does nothing when they are all present. Needs root (or sudo) to install.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # the window on Wayland; the translations (Qt's tools, and Qt's own texts)
  qt6-wayland qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libuchardet-dev
  # tags of song files; the tag tests make their files with ffmpeg and mutagen
  libtag1-dev ffmpeg python3-mutagen
  fonts-dejavu-core
  # Chinese, Japanese and Korean captions, measured and drawn in the tests
  fonts-wqy-microhei
  # the window read by a screen reader's interface (AT-SPI) under Wayland
  weston at-spi2-core python3-pyatspi dbus
  # the copy tests mount a FAT image through FUSE
  fusefat fuse3 dosfstools
  # the fuzz targets: clang with libFuzzer and its sanitizers
  clang-14 libclang-rt-14-dev
  # bench_scale's X11 figures: the window under a virtual X server
  xvfb
  # validating the desktop files and building the .deb
  desktop-file-utils appstream dpkg-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Run as root or install sudo." >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
