#!/usr/bin/env bash
# The whole update path with the real programs, driven with real key presses:
# a copy of the demo installation finds a newer catalogue 380 and pricelist on
# a loopback server, asks, downloads, unpacks, hands over to Updater and ends;
# Updater waits for it to be gone, copies, and after OK starts Vantor again,
# which deletes the staging folder.
# The release is signed with the demo key, which the test builds trust.
# With "unwritable", the catalogue's folder cannot be written: Updater shows
# the failure, the installation stays byte for byte as it was and nothing is
# restarted.
# With "tampered", one byte of the served catalogue package changes after
# signing: Vantor refuses the download, never starts Updater, keeps running,
# and the installation stays byte for byte as it was.
# Usage: update_end_to_end.sh BIN_DIR TOOLS_DIR success|unwritable|tampered
source "$(dirname "$0")/xvfb_session.sh"
source "$(dirname "$0")/update_session.sh"
BIN=$1
TOOLS=$2
MODE=$3

INST="$WORK/inst"
TMPD="$WORK/tmp"
# The staging folder, in the user's cache folder below HOME.
STAGE="$WORK/home/.cache/Vantor/Staging"
SERVER_ROOT="$WORK/server"
RELEASE="$SERVER_ROOT/Updates/Vantorix/0"
stop_all() {
  [ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null || true
  pkill -f "^$INST/" 2>/dev/null || true
}
FAIL_DETAILS=print_session
# Keeps the test's own exit status through the clean-up.
trap 'rc=$?; stop_all; (exit $rc); cleanup' EXIT

mkdir -p "$INST" "$TMPD" "$WORK/home" "$RELEASE/Catalogues/380"
cp -a "$BIN/Vantor" "$BIN/Updater" "$BIN/libEngine.so" "$BIN/Lang" "$BIN/Skins" "$BIN/Data" "$BIN/Catalogues" "$INST/"

# The newer release: catalogue 380 and its pricelist dated 2030-01-01, packaged.
cp -r "$(dirname "$0")/../../demo/catalogues/380" "$WORK/source"
sed -i -e 's/^Version=.*/Version=20300101/' -e 's/^Validity=.*/Validity=20300101/' "$WORK/source/catalogue.ini"
"$TOOLS/vantor-catalogue" --source "$WORK/source" --output "$WORK/out" --force >/dev/null
"$TOOLS/vantor-pack" create "$RELEASE/Catalogues/380/Catalogue.Z" --root "$WORK/out/380" "$WORK/out/380/Catalogue.vt4"
"$TOOLS/vantor-pack" create "$RELEASE/Catalogues/380/Pricelist.Z" --root "$WORK/out/380" "$WORK/out/380/Pricelist.vt4"

start_update_server "$SERVER_ROOT"
"$TOOLS/vantor-publish" "$RELEASE" --url "http://127.0.0.1:$PORT/Updates/Vantorix/0/" \
  --sign "$(dirname "$0")/../../demo/update-key/demo.key" >/dev/null
[ -s "$RELEASE/VersionControl.txt.minisig" ] || fail "the release was not signed"
if [ "$MODE" = tampered ]; then
  # One byte in the middle of the package, after it was listed and signed.
  size=$(stat -c %s "$RELEASE/Catalogues/380/Catalogue.Z")
  printf 'X' | dd of="$RELEASE/Catalogues/380/Catalogue.Z" bs=1 seek=$((size / 2)) conv=notrunc status=none
fi

cat >"$INST/Vantor.ini" <<INI
[Updates]
bAutoCheck=1
sServer=127.0.0.1:$PORT

[Language]
iLangId=ENG

[Catalogue]
sCode=380
sPath=$INST/Catalogues

[Misc]
iOemId=0
bDebugMode=0
bShowPrices=1
INI

# Root writes anywhere: the programs run as an ordinary user so that a folder
# without write permission means what it says.
RUN_AS=()
if [ "$(id -u)" -eq 0 ]; then
  chmod 755 "$WORK"
  chown -R 65534:65534 "$INST" "$TMPD" "$WORK/home"
  RUN_AS=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
  # A sanitizer build reads its suppressions as that user too.
  if [[ "${LSAN_OPTIONS:-}" =~ suppressions=([^:]+) ]]; then
    cp "${BASH_REMATCH[1]}" "$WORK/lsan.supp"
    chmod 644 "$WORK/lsan.supp"
    export LSAN_OPTIONS="${LSAN_OPTIONS/${BASH_REMATCH[1]}/$WORK/lsan.supp}"
  fi
fi
if [ "$MODE" = unwritable ]; then
  chmod 555 "$INST/Catalogues/380"
fi

snapshot() {
  (cd "$INST" && find . -printf '%p %y %m %s\n' | sort && find . -type f -print0 | sort -z | xargs -0 sha256sum)
}
snapshot >"$WORK/before"

env -u XDG_RUNTIME_DIR -u XDG_CACHE_HOME -u XDG_STATE_HOME HOME="$WORK/home" TMPDIR="$TMPD" "${RUN_AS[@]}" "$INST/Vantor" 2>"$WORK/vantor.log" &
PROGRAM_PID=$!

question=$(wait_for_window "$PROGRAM_PID" 60 "Confirmation") || fail "Vantor did not ask about the update"
xdotool windowfocus --sync "$question"
xdotool key Return

if [ "$MODE" = tampered ]; then
  # The download is refused with an error box; Vantor carries on.
  box=$(wait_for_window "$PROGRAM_PID" 60 "Error") || fail "Vantor did not report the refused download"
  grep -q "GET /Updates/Vantorix/0/Catalogues/380/Catalogue.Z" "$WORK/server.log" || fail "the catalogue was not requested"
  xdotool windowfocus --sync "$box"
  xdotool key Return
  wait_for_window "$PROGRAM_PID" 30 ".* - [0-9]+\.[0-9]+\.[0-9]+  \[.* : ITALY\]" >/dev/null || fail "Vantor does not show its main window after the refusal"
  sleep 2
  kill -0 "$PROGRAM_PID" 2>/dev/null || fail "Vantor ended after the refusal"
  [ -z "$(installation_pids Updater)" ] || fail "Updater was started for a refused download"
  [ ! -e "$STAGE/Catalogues/380/Catalogue.Z" ] || fail "the refused package was kept in the staging folder"
  [ ! -e "$STAGE/Catalogues/380/Catalogue.vt4" ] || fail "the refused package was unpacked"
  kill "$PROGRAM_PID"
  wait_for_exit "$PROGRAM_PID" 20 || fail "Vantor did not end"
  PROGRAM_PID=""
  snapshot >"$WORK/after"
  diff -u "$WORK/before" "$WORK/after" >&2 || fail "the installation changed although the download was refused"
  echo "ok: the tampered package was refused, nothing was installed and Updater never ran"
  exit 0
fi

# Vantor downloads, unpacks, starts Updater and ends.
wait_for_exit "$PROGRAM_PID" 60 || fail "Vantor did not end after handing over"
PROGRAM_PID=""
grep -q "GET /Updates/Vantorix/0/Catalogues/380/Catalogue.Z" "$WORK/server.log" || fail "the catalogue was not downloaded"
grep -q "GET /Updates/Vantorix/0/Catalogues/380/Pricelist.Z" "$WORK/server.log" || fail "the pricelist was not downloaded"
[ -f "$STAGE/Catalogues/380/Catalogue.vt4" ] || fail "the catalogue was not unpacked in the staging folder"
[ ! -e "$STAGE/Catalogues/380/Catalogue.Z" ] || fail "the package was not removed after unpacking"

updater=$(wait_for_title "Updater.*" 30) || fail "Updater did not show its window"
UPDATER_PID=$(installation_pids Updater)
[ -n "$UPDATER_PID" ] || fail "no Updater process"
# OK becomes the default button two seconds after the work is done.
for _ in $(seq 1 30); do
  sleep 1
  kill -0 "$UPDATER_PID" 2>/dev/null || break
  xdotool windowfocus --sync "$updater" 2>/dev/null || true
  xdotool key Return
done
kill -0 "$UPDATER_PID" 2>/dev/null && fail "Updater did not end after OK"

if [ "$MODE" = success ]; then
  restarted=""
  for _ in $(seq 1 100); do restarted=$(installation_pids Vantor); [ -n "$restarted" ] && break; sleep 0.1; done
  [ -n "$restarted" ] || fail "Vantor was not started again"
  PROGRAM_PID=$restarted
  wait_for_window "$PROGRAM_PID" 60 ".* - [0-9]+\.[0-9]+\.[0-9]+  \[.* : ITALY\]" >/dev/null || fail "the restarted Vantor shows no main window"
  # Its own update check may make the folder again, but finds nothing to fetch.
  [ -z "$(find "$STAGE" -mindepth 1 2>/dev/null)" ] || { ls -laR "$WORK/home/.cache" >&2; fail "the restarted Vantor did not empty the staging folder"; }
  cmp -s "$INST/Catalogues/380/Catalogue.vt4" "$WORK/out/380/Catalogue.vt4" || fail "the installation does not hold the new catalogue"
  cmp -s "$INST/Catalogues/380/Pricelist.vt4" "$WORK/out/380/Pricelist.vt4" || fail "the installation does not hold the new pricelist"
  leftovers=$(find "$INST" -name '*vantor-*' -o -name '.*.tmp' | head -5)
  [ -z "$leftovers" ] || fail "temporary files left in the installation: $leftovers"
  # Nothing newer any more: no second question.
  sleep 2
  windows=$(visible_windows "$PROGRAM_PID")
  [ "$(echo "$windows" | wc -w)" -eq 1 ] || fail "the restarted Vantor shows more than its main window"
  kill "$PROGRAM_PID"
  wait_for_exit "$PROGRAM_PID" 20 || fail "Vantor did not end"
  PROGRAM_PID=""
  echo "ok: the newer catalogue and pricelist were installed and Vantor runs again"
else
  sleep 3
  [ -z "$(installation_pids Vantor)" ] || fail "Vantor was started again after a failed update"
  snapshot >"$WORK/after"
  diff -u "$WORK/before" "$WORK/after" >&2 || fail "the installation changed although the update failed"
  echo "ok: the failed update left the installation as it was and restarted nothing"
fi
