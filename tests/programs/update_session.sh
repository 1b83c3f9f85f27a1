# Sourced by the whole-program update tests after xvfb_session.sh: the
# loopback update server and the ways to find the installation's windows
# and processes. The caller sets INST (the installation folder) and TOOLS.

SERVER_PID=""

# Serves folder $1 on a free loopback port; sets PORT, logs to $WORK/server.log.
start_update_server() {
  "$TOOLS/vantor-serve" "$1" --port 0 --port-file "$WORK/port" 2>"$WORK/server.log" &
  SERVER_PID=$!
  for _ in $(seq 1 100); do [ -s "$WORK/port" ] && break; sleep 0.1; done
  PORT=$(cat "$WORK/port") || fail "the update server did not start"
}

# The newest process of the installation running $1 (a sanitizer build may
# briefly show a helper of an ending process under the same name).
installation_pids() { pgrep -n -f "^$INST/$1( |$)" || true; }

# Waits up to $2 seconds for a visible window of any process whose title matches $1.
wait_for_title() {
  local title=$1 seconds=$2 w name
  for _ in $(seq 1 $((seconds * 10))); do
    for w in $(xdotool search --onlyvisible --name "." 2>/dev/null || true); do
      name=$(xdotool getwindowname "$w" 2>/dev/null || true)
      if [[ "$name" =~ ^($title)$ ]]; then echo "$w"; return 0; fi
    done
    sleep 0.1
  done
  return 1
}

# On a failure: what was on the screen, what the programs said, what was served.
print_session() {
  echo "--- visible windows"
  for w in $(xdotool search --onlyvisible --name "." 2>/dev/null || true); do xdotool getwindowname "$w" 2>/dev/null || true; done
  echo "--- Vantor's output"
  cat "$WORK/vantor.log" 2>/dev/null || true
  echo "--- server log"
  tail -20 "$WORK/server.log" 2>/dev/null || true
}
