# Sourced by the scripts that need a virtual X server:
#   start_xvfb WORKDIR WIDTHxHEIGHTxDEPTH
# starts Xvfb on a free display (it names the display once it accepts connections), exports
# DISPLAY and sets xvfb to its process id. When no display comes within ten seconds it says
# so, with what Xvfb printed, and fails. The caller stops the server (kill "$xvfb").
start_xvfb() {
  local dir=$1 screen=$2 fd
  : >"$dir/xvfb-display"
  exec {fd}>"$dir/xvfb-display"
  Xvfb -displayfd "$fd" -screen 0 "$screen" -nolisten tcp >"$dir/xvfb.log" 2>&1 &
  xvfb=$!
  exec {fd}>&-
  for _ in $(seq 100); do
    [ -s "$dir/xvfb-display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$dir/xvfb-display" ]; then
    echo "Xvfb did not start ($(kill -0 "$xvfb" 2>/dev/null && echo 'no display after 10 s' || echo 'it ended')); it said:" >&2
    tail -n 15 "$dir/xvfb.log" | sed 's/^/  /' >&2
    kill "$xvfb" 2>/dev/null || true
    return 1
  fi
  DISPLAY=:$(head -n1 "$dir/xvfb-display")
  export DISPLAY
}
