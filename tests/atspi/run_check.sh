#!/usr/bin/env bash
# Runs screen_reader_check.py on the program given: a private D-Bus session
# (where the AT-SPI bus starts on demand) inside a private X server. Skips
# (exit 77) only when the programs it needs are missing. A window manager
# runs as on a desktop: it gives the focus back to a window when a notice or
# another window above it closes.
set -uo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
missing=()
for tool in dbus-run-session xvfb-run xdotool xprop openbox /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null || missing+=("python3-pyatspi")
if [ ${#missing[@]} -gt 0 ]; then
  echo "SKIPPED: the screen reader check needs ${missing[*]} (scripts/common.sh installs them)"
  exit 77
fi
# A settings folder of its own, so that the check neither reads nor leaves
# the user's settings.
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home"
unset QT_QPA_PLATFORM DISPLAY
exec dbus-run-session -- xvfb-run -a -s '-screen 0 1280x1024x24' \
  /usr/bin/python3 "$here/screen_reader_check.py" "$program"
