# Sourced by the scripts that open Kestrum's window: says in one line why no
# window can open, instead of letting Qt fail obscurely.
require_display() {
  if [ -n "${QT_QPA_PLATFORM:-}" ]; then
    return 0
  fi
  if [ -n "${WAYLAND_DISPLAY:-}" ]; then
    return 0
  fi
  if [ -z "${DISPLAY:-}" ]; then
    echo "Kestrum needs a graphical display, and DISPLAY is not set (run it from a desktop session, or under xvfb-run -a)." >&2
    exit 2
  fi
  if command -v xdpyinfo >/dev/null 2>&1 && ! xdpyinfo >/dev/null 2>&1; then
    echo "Kestrum cannot reach the X display '$DISPLAY' (is the X server running and may this user connect?)." >&2
    exit 2
  fi
}
