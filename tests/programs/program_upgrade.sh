#!/usr/bin/env bash
# The program-update leg with the real programs, driven with real key
# presses: version A, installed by "Setup --quiet" into a temporary home,
# finds version B's program package on a loopback server, asks, downloads
# and hands over to the Setup inside the package, which closes Vantor,
# upgrades the installation and, once its window is closed, starts the
# upgraded Vantor. B is a copy of this build with its version notes rewritten (the engine reports
# the version its own file carries).
# Usage: program_upgrade.sh BUILD_DIR TOOLS_DIR SET_VERSION_NOTE
source "$(dirname "$0")/xvfb_session.sh"
source "$(dirname "$0")/update_session.sh"
BUILD=$1
TOOLS=$2
SET_VERSION=$3
B_VERSION=9.8.7.6

export HOME="$WORK/home" XDG_DATA_HOME= XDG_CONFIG_HOME=
TMPD="$WORK/tmp"
INST="$HOME/.local/share/Vantor"
SERVER_ROOT="$WORK/server"
RELEASE="$SERVER_ROOT/Updates/Vantorix/0"
stop_all() {
  [ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null || true
  pkill -f "^($INST|$TMPD)/" 2>/dev/null || true
}
details() {
  print_session
  echo "--- processes of the installation and the staging folder"
  for pid in $(pgrep -f "^($INST|$TMPD)/" 2>/dev/null || true); do
    echo "$pid $(tr '\0' ' ' </proc/$pid/cmdline 2>/dev/null) state=$(awk '/^State/ {print $2}' /proc/$pid/status 2>/dev/null) wchan=$(cat /proc/$pid/wchan 2>/dev/null) parent=$(awk '/^PPid/ {print $2}' /proc/$pid/status 2>/dev/null) threads=$(ls /proc/$pid/task 2>/dev/null | wc -l)"
    for w in $(xdotool search --pid "$pid" 2>/dev/null || true); do echo "  window: $(xdotool getwindowname "$w" 2>/dev/null)"; done
  done
  echo "--- the installation's settings"
  cat "$INST/Vantor.ini" 2>/dev/null || true
}
FAIL_DETAILS=details
trap 'rc=$?; stop_all; (exit $rc); cleanup' EXIT
mkdir -p "$HOME" "$TMPD" "$RELEASE/Program"

# Release A as the archive lays it out, installed for a new user.
cmake --install "$BUILD" --prefix "$WORK/A" >/dev/null
"$WORK/A/Setup" --quiet >"$WORK/setup.log" 2>&1 || { cat "$WORK/setup.log" >&2; fail "Setup --quiet did not install A"; }
A_VERSION=$("$SET_VERSION" "$INST/Vantor")

# Release B on the server: the program package with Setup as its first entry.
cp -a "$WORK/A" "$WORK/B"
for program in Vantor Updater VantorSetup libEngine.so; do "$SET_VERSION" "$WORK/B/$program" "$B_VERSION"; done
mapfile -t rest < <(cd "$WORK/B" && ls -A | grep -vx Setup)
"$TOOLS/vantor-pack" create "$RELEASE/Program/Setup.Z" --root "$WORK/B" "$WORK/B/Setup" "${rest[@]/#/$WORK/B/}"
start_update_server "$SERVER_ROOT"
"$TOOLS/vantor-publish" "$RELEASE" --url "http://127.0.0.1:$PORT/Updates/Vantorix/0/" \
  --sign "$(dirname "$0")/../../demo/update-key/demo.key" >/dev/null

# The user's own settings name the server; they must survive byte for byte.
sed -i "s/^\[Updates\]/[Updates]\nsServer=127.0.0.1:$PORT/" "$INST/Vantor.ini"
cp "$INST/Vantor.ini" "$WORK/settings-before"

env -u XDG_RUNTIME_DIR TMPDIR="$TMPD" "$INST/Vantor" 2>"$WORK/vantor.log" &
PROGRAM_PID=$!
# Sanitizer builds start slowly on a busy machine.
question=$(wait_for_window "$PROGRAM_PID" 120 "Confirmation") || fail "Vantor did not ask about the program update"
xdotool windowfocus --sync "$question"
xdotool key Return
wait_for_exit "$PROGRAM_PID" 60 || fail "Vantor did not end after handing over to Setup"
PROGRAM_PID=""
grep -q "GET /Updates/Vantorix/0/Program/Setup.Z" "$WORK/server.log" || fail "the program package was not downloaded"

setup=$(wait_for_title "Vantor Setup" 60) || fail "Setup did not show its window"
# Close becomes the default button once the upgrade is done.
for _ in $(seq 1 60); do
  sleep 1
  xdotool search --onlyvisible --name "^Vantor Setup$" >/dev/null 2>&1 || break
  xdotool windowfocus --sync "$setup" 2>/dev/null || true
  xdotool key Return
done
xdotool search --onlyvisible --name "^Vantor Setup$" >/dev/null 2>&1 && fail "Setup did not close"

restarted=""
for _ in $(seq 1 100); do restarted=$(installation_pids Vantor); [ -n "$restarted" ] && break; sleep 0.1; done
[ -n "$restarted" ] || fail "the upgraded Vantor was not started"
PROGRAM_PID=$restarted
wait_for_window "$PROGRAM_PID" 60 ".* - [0-9]+\.[0-9]+\.[0-9]+  \[.* : ITALY\]" >/dev/null || fail "the upgraded Vantor shows no main window"
[ "$("$SET_VERSION" "$INST/Vantor")" = "$B_VERSION" ] || fail "the installed Vantor is not $B_VERSION"
[ "$("$SET_VERSION" "$INST/Updater")" = "$B_VERSION" ] || fail "the installed Updater is not $B_VERSION"
cmp -s "$INST/Vantor.ini" "$WORK/settings-before" || fail "the user's settings changed"
grep -q "^Version=$B_VERSION" "$HOME/.config/Vantor/installation.ini" || fail "the record does not name $B_VERSION"
# Nothing newer any more: no second question.
sleep 2
[ "$(visible_windows "$PROGRAM_PID" | wc -w)" -eq 1 ] || fail "the upgraded Vantor shows more than its main window"
kill "$PROGRAM_PID"
wait_for_exit "$PROGRAM_PID" 20 || fail "Vantor did not end"
PROGRAM_PID=""
echo "ok: $A_VERSION was upgraded to $B_VERSION through the update path and runs again"
