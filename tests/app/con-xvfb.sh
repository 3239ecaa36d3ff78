#!/usr/bin/env bash
# Runs a command on an X display of its own: a fresh Xvfb, which picks a free display number itself and
# says it once it is ready, stopped when the command ends.
#   tests/app/con-xvfb.sh COMMAND [ARGUMENT...]
set -euo pipefail

dir=$(mktemp -d)
xvfb=
cleanup() {
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
  fi
  rm -rf "$dir"
}
trap cleanup EXIT
mkfifo "$dir/display"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
xvfb=$!
# Waits until Xvfb writes its display number, or closes the pipe by dying.
display=
read -r display <"$dir/display" || true
if [ -z "$display" ]; then
  echo "con-xvfb: Xvfb did not start:" >&2
  cat "$dir/xvfb.log" >&2
  exit 1
fi
DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$@"
