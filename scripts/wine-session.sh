# Sourced by the scripts that run Windows programs: a display, a fresh Wine prefix and, as
# root, an unprivileged user to run Wine as (so that read-only files and folders really refuse
# writes) and a tiny tmpfs mounted as drive T: (a real full disk). Everything is undone at exit.
#
# After start_wine_session: DISPLAY, VELDRANE_WINEPREFIX, VELDRANE_FULL_DISK (the tmpfs's Linux
# path; Wine sees it as T:) are exported, and as_wine_user runs a command as the Wine user.

WINE_USER=veldrane-test
_session_cleanup=()
_run_cleanup() { local i; for ((i=${#_session_cleanup[@]}-1; i>=0; i--)); do eval "${_session_cleanup[i]}" || true; done; }
trap _run_cleanup EXIT

as_wine_user() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u "$WINE_USER" -- env DISPLAY="$DISPLAY" VELDRANE_WINEPREFIX="$VELDRANE_WINEPREFIX" \
      VELDRANE_FULL_DISK="$VELDRANE_FULL_DISK" HOME="$_wine_home" "$@"
  else
    "$@"
  fi
}

_start_display() {
  if [ -n "${DISPLAY:-}" ] && [ -z "${VELDRANE_XVFB:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
  local fdfile; fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -ac 3>"$fdfile" >/dev/null 2>&1 &
  local pid=$!
  _session_cleanup+=("kill $pid")
  local i; for ((i=0; i<100; i++)); do [ -s "$fdfile" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
}

_open_path_to() {
  local dir=$1
  while [ "$dir" != / ]; do
    if ! runuser -u "$WINE_USER" -- test -x "$dir"; then
      echo "note: letting $WINE_USER through $dir (o+x)"; chmod o+x "$dir"
    fi
    dir=$(dirname "$dir")
  done
}

start_wine_session() {
  local base=$1   # a folder of the session's own
  _start_display
  mkdir -p "$base"
  _wine_home=$base/home
  if [ "$(id -u)" -eq 0 ]; then
    id "$WINE_USER" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$WINE_USER"
  fi
  export VELDRANE_WINEPREFIX=$base/prefix
  export VELDRANE_FULL_DISK=$base/full-disk
  rm -rf "$VELDRANE_WINEPREFIX" "$_wine_home"
  mkdir -p "$_wine_home" "$VELDRANE_FULL_DISK"
  if [ "$(id -u)" -eq 0 ]; then
    mountpoint -q "$VELDRANE_FULL_DISK" && umount "$VELDRANE_FULL_DISK"
    mount -t tmpfs -o size=4m,mode=0777 veldrane-full-disk "$VELDRANE_FULL_DISK"
    _session_cleanup+=("umount '$VELDRANE_FULL_DISK'")
    chown "$WINE_USER" "$base" "$_wine_home"
  fi
  # The Wine user must reach the tree and the build: open up any parent folder that shuts it out.
  if [ "$(id -u)" -eq 0 ]; then _open_path_to "$ROOT"; _open_path_to "$BUILD_ROOT"; fi
  as_wine_user env WINEPREFIX="$VELDRANE_WINEPREFIX" WINEDEBUG=-all LC_ALL=zh_CN.UTF-8 wineboot -i >/dev/null 2>&1
  # Wine draws the frames itself (no window manager captions), as Windows does.
  as_wine_user env WINEPREFIX="$VELDRANE_WINEPREFIX" WINEDEBUG=-all wine reg add \
    'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
  # No window manager runs on Xvfb: unmanaged windows spare Wine its 2-second wait for one to
  # acknowledge every window that is hidden (each message box, each exit).
  as_wine_user env WINEPREFIX="$VELDRANE_WINEPREFIX" WINEDEBUG=-all wine reg add \
    'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  ln -sfn "$VELDRANE_FULL_DISK" "$VELDRANE_WINEPREFIX/dosdevices/t:"
  as_wine_user env WINEPREFIX="$VELDRANE_WINEPREFIX" wineserver -w
  _session_cleanup+=("as_wine_user env WINEPREFIX='$VELDRANE_WINEPREFIX' wineserver -k")
}
