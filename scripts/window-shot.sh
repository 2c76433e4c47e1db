# Sourced by the scripts that photograph a program's window on the X display (scripts/run,
# scripts/screenshot): finding the window by its caption and saving what the screen shows of it.

# The window's X id once it is on the screen.
viewable_window() {
  local caption=$1 id
  id=$(xwininfo -root -tree 2>/dev/null | awk -v name="\"$caption\":" 'index($0, name) { print $1; exit }')
  [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && echo "$id"
}

# Its size and place on the screen, as WxH+X+Y.
geometry_of() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { printf "%dx%d+%d+%d", w, h, x, y }'
}

# Waits up to 30 s for the window of `caption` while process `pid` runs; prints its X id, or
# fails when it did not come.
wait_for_window() {
  local caption=$1 pid=$2 id i
  for ((i = 0; i < 300; i++)); do
    id=$(viewable_window "$caption") && { echo "$id"; return 0; }
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Saves what the screen shows of window `id` (frame included) to `file`, once it has painted.
shoot_window() {
  sleep 1
  import -window root -crop "$(geometry_of "$1")" +repage "$2"
}
