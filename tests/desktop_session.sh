#!/usr/bin/env bash
# Runs tamro's real window natively under a headless Wayland compositor
# (weston) in a D-Bus session of its own, with the accessibility bus up, and
# lets a screen reader's interface (tests/atspi_window.py over AT-SPI) read
# it, preview, convert and answer the closing box; then closes the window as
# the desktop would (SIGTERM) and checks the copies and the exit.
#
#   desktop_session.sh TAMRO PYTHON LOCALE [LANGUAGE.ts]
#
# LOCALE is the operator's (C.UTF-8, de_DE.UTF-8, ...); the .ts file of that
# language tells the script what the window should say. Exits 77 (skipped)
# only when the machine lacks a program the run needs, saying which.
set -euo pipefail
tamro=$1
python=$2
locale=$3
ts_file=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
examples=$here/../examples

skip() {
  echo "SKIP: $*"
  exit 77
}
command -v weston >/dev/null || skip "weston is not installed (Debian package weston)"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed (package dbus)"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is not installed"
"$python" -c 'import pyatspi' 2>/dev/null || skip "$python has no pyatspi (package python3-pyatspi)"
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
  skip "Qt's Wayland platform plugin is not installed (package qt6-wayland)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/runtime" "$work/home" "$work/songs" "$work/out" "$work/logs"
chmod 700 "$work/runtime"
cp "$examples"/* "$work/songs/"

inner() {
  set -euo pipefail
  weston --backend=headless-backend.so --socket=wayland-tamro --idle-time=0 \
    >"$work/weston.log" 2>&1 &
  local weston_pid=$!
  for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/wayland-tamro" ] && break
    sleep 0.1
  done
  [ -S "$XDG_RUNTIME_DIR/wayland-tamro" ] || { cat "$work/weston.log"; echo "weston did not start"; return 1; }
  # What a screen reader does when it starts: tell the desktop that
  # accessibility is wanted, so programs open their side of the bus.
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null

  # A headless weston has no seat (no keyboard, no pointer), and Qt 6.4's
  # Wayland text-input context then reads a missing input device as soon as
  # an edit with the focus draws its cursor (the file dialog's name edit),
  # and crashes. A desktop always has a seat; here the compose input
  # context, which needs none, stands in.
  (cd "$work/logs" && exec env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-tamro \
    QT_QPA_PLATFORMTHEME= QT_IM_MODULE=compose LC_ALL="$locale" LANG="$locale" LANGUAGE= \
    "$tamro" "$work/songs" >"$work/tamro.log" 2>&1) &
  local tamro_pid=$!
  local status=0
  "$python" "$here/atspi_window.py" "$work/songs/songlist_utf8.txt" "$work/out" $ts_file || status=1
  # The window draws with the raster engine into shared memory: a GL driver
  # mapped into it is memory for nothing (software GL maps a whole compiler).
  if grep -E 'libLLVM|_dri\.so' "/proc/$tamro_pid/maps"; then
    echo "tamro mapped a GL driver (above) for its window"
    status=1
  fi
  # The desktop closes the window: tamro ends as Close does and re-raises it.
  kill -TERM "$tamro_pid" 2>/dev/null || true
  local tamro_status=0
  wait "$tamro_pid" || tamro_status=$?
  kill "$weston_pid" 2>/dev/null || true
  wait "$weston_pid" 2>/dev/null || true
  if [ "$tamro_status" -ne 143 ]; then
    echo "tamro ended with status $tamro_status, not by the close (143)"
    status=1
  fi
  if grep -E 'Could not|qt\.qpa|QWayland|failed' "$work/tamro.log"; then
    echo "tamro complained (above)"
    status=1
  fi
  local copies
  copies=$(find "$work/out" -type f | wc -l)
  if [ "$copies" -ne 5 ]; then
    echo "the output folder holds $copies files, not the 5 copies"
    ls -l "$work/out"
    status=1
  fi
  [ -s "$work/logs/InfoLog.txt" ] || { echo "no InfoLog.txt where tamro was started"; status=1; }
  return $status
}
export -f inner
export work tamro python locale ts_file here
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
if dbus-run-session -- bash -c inner; then
  echo "The window under Wayland ($locale): read over AT-SPI, previewed, converted, closed."
else
  echo "FAILED under Wayland ($locale)"
  exit 1
fi
