# shellcheck shell=bash
# Sourced by the run, test and bench scripts, which name what they need in
# vantrel_instance before sourcing it:
#   run, test, bench  a display, a PulseAudio sound server with a null sink
#                     (so Wine has a mixer) and a 64-bit Wine prefix. Each
#                     has its own prefix, sound server and logs
#                     (build/wineprefix-test, build/runtime-test,
#                     build/logs-test, ...): a copy started by run.sh holds
#                     the single-instance mutex and must not meet the tests.
#   unit              the native unit tests only: no display, sound, Wine
#                     or cross build.
# It installs what is missing, configures the build tree and brings every
# helper up before the caller starts anything. Sets root, build, state and
# vantrel_logs.
#
# Every long-lived helper (Xvfb, PulseAudio, the Wine server, Wine's
# services and its desktop process) is started here with its output in a
# log file. Started later by a test program instead, it would inherit that
# test's output pipe and hold it open after the test ended, and CTest would
# wait for the end of that output until the test's timeout.
#
# Settings: VANTREL_BUILD_DIR (the build tree, default build/),
# VANTREL_STATE_DIR (where prefixes, sockets and logs go, default the build
# tree), VANTREL_USE_DISPLAY=1 (test or bench on $DISPLAY instead of a
# private Xvfb; run.sh uses $DISPLAY whenever it is set).

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
vantrel_instance=${vantrel_instance:-test}
build=${VANTREL_BUILD_DIR:-$root/build}
state=${VANTREL_STATE_DIR:-$build}
vantrel_logs=$state/logs-$vantrel_instance
mkdir -p "$build" "$vantrel_logs"

vantrel_fail() {
  echo "$(basename "$0"): $1" >&2
  if [ -n "${2:-}" ]; then
    echo "--- $2:" >&2
    cat "$2" >&2
  fi
  exit 1
}

# Runs one set-up step with its output in a log file; when it fails, shows
# that output and ends the script.
vantrel_logged() {
  local name=$1
  shift
  "$@" >"$vantrel_logs/$name.log" 2>&1 </dev/null ||
    vantrel_fail "set-up step failed: $*" "$vantrel_logs/$name.log"
}

if [ "$vantrel_instance" = unit ]; then
  "$root/scripts/setup.sh" --unit
  vantrel_logged configure cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DVANTREL_WINDOWS=OFF -DVANTREL_FUZZ=OFF
  return 0
fi

"$root/scripts/setup.sh"
vantrel_logged configure cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DVANTREL_WINDOWS=ON -DVANTREL_FUZZ=ON

# Wine and PulseAudio keep state under HOME; give them one when none is set.
if [ -z "${HOME:-}" ]; then
  export HOME=$build/home
  mkdir -p "$HOME"
fi

vantrel_cleanup_pids=()
vantrel_cleanup() {
  if [ -n "${vantrel_desktop_keeper:-}" ]; then exec {vantrel_desktop_keeper}>&-; fi
  if [ -n "${vantrel_own_wineserver:-}" ]; then
    wineserver -k >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1
  fi
  if [ -n "${vantrel_own_pulseaudio:-}" ]; then pulseaudio --kill >/dev/null 2>&1; fi
  local pid
  for pid in "${vantrel_cleanup_pids[@]}"; do kill "$pid" 2>/dev/null; done
  return 0
}
trap vantrel_cleanup EXIT

# A private Xvfb unless the caller may use the display it has: tests that
# click and type must never reach the user's desktop.
vantrel_start_display() {
  if [ -n "${DISPLAY:-}" ]; then
    if [ "$vantrel_instance" = run ] || [ "${VANTREL_USE_DISPLAY:-}" = 1 ]; then return 0; fi
  elif [ "${VANTREL_USE_DISPLAY:-}" = 1 ]; then
    vantrel_fail "VANTREL_USE_DISPLAY=1, but DISPLAY is not set"
  fi
  local fifo=$vantrel_logs/xvfb.fifo number=
  rm -f "$fifo"
  mkfifo -m 600 "$fifo"
  # With -displayfd, Xvfb picks a free display and writes its number once
  # it accepts clients; it closes the pipe unwritten if it cannot start.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >"$vantrel_logs/xvfb.log" 2>&1 </dev/null &
  vantrel_cleanup_pids+=($!)
  read -r -t 30 number <"$fifo" || true
  rm -f "$fifo"
  [ -n "$number" ] || vantrel_fail "Xvfb did not start" "$vantrel_logs/xvfb.log"
  export DISPLAY=:$number
}

vantrel_start_sound() {
  if [ "$vantrel_instance" != run ] || [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR=$state/runtime-$vantrel_instance
  fi
  mkdir -p "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  if pactl info >/dev/null 2>&1; then
    # The user's own sound server serves run.sh; any other one here was
    # left by an interrupted run of this instance and is ours to end.
    [ "$vantrel_instance" = run ] || vantrel_own_pulseaudio=1
    return 0
  fi
  # The parent returns once the daemon is up (or has failed).
  vantrel_logged pulseaudio pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
    --load=module-null-sink --load=module-native-protocol-unix
  vantrel_own_pulseaudio=1
  vantrel_logged pactl pactl info
}

# Ids of the processes of this Wine prefix whose command line matches an
# extended regular expression.
vantrel_wine_pids() {
  local pid
  for pid in $(pgrep -f "$1"); do
    # (The error redirection first: it also covers a process that is gone.)
    tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qFx "WINEPREFIX=$WINEPREFIX" && echo "$pid"
  done
  return 0
}

vantrel_wait_for_wine_program() {
  local pattern=$1 what=$2
  for _ in $(seq 1 300); do
    [ -n "$(vantrel_wine_pids "$pattern")" ] && return 0
    sleep 0.1
  done
  vantrel_fail "$what did not start within 30 s" "${3:-}"
}

# Starts the persistent Wine server: 0 when started, 2 when one already
# runs for this prefix, anything else a failure.
vantrel_wineserver() {
  local status=0
  wineserver -p >"$vantrel_logs/wineserver.log" 2>&1 </dev/null || status=$?
  [ "$status" = 0 ] || [ "$status" = 2 ] ||
    vantrel_fail "the Wine server did not start (status $status)" "$vantrel_logs/wineserver.log"
  return "$status"
}

vantrel_start_wine() {
  export WINEARCH=win64
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEPREFIX=${VANTREL_WINEPREFIX:-$state/wineprefix-$vantrel_instance}
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # A program that crashes under test ends at once instead of waiting in
  # Wine's debugger until its test times out.
  [ "$vantrel_instance" = run ] || WINEDLLOVERRIDES+=";winedbg.exe=d"
  mkdir -p "$WINEPREFIX"

  # wineserver -p returns once the server accepts clients.
  if ! vantrel_wineserver; then
    # Another run.sh has this prefix up, with its copy of Vantrel that a
    # second start hands over to: use it as it is and leave it running.
    [ "$vantrel_instance" = run ] && return 0
    # Left by an interrupted run: its programs may hold that run's output.
    wineserver -k >/dev/null 2>&1
    wineserver -w
    vantrel_wineserver || vantrel_fail "a Wine server for $WINEPREFIX is still running"
  fi
  vantrel_own_wineserver=1

  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the Wine prefix in $WINEPREFIX"
    vantrel_logged wineboot-init wineboot -i
    # Xvfb runs no window manager: Wine would wait two seconds for one at
    # every hide. Its windows manage themselves instead.
    vantrel_logged wine-reg wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
    # Start over, so that every program (the desktop process too) reads
    # that setting; the server saves the registry as it ends.
    wineserver -k >/dev/null 2>&1
    wineserver -w
    vantrel_wineserver || vantrel_fail "a Wine server for $WINEPREFIX is still running"
  fi

  # Wine's services (services.exe, then plugplay, winedevice, svchost and
  # later rpcss, all started by services.exe) run until the server ends.
  # wineboot returns once services.exe answers.
  vantrel_logged wineboot wineboot
  vantrel_wait_for_wine_program '\\services\.exe' "Wine's service manager" "$vantrel_logs/wineboot.log"

  # The desktop process (explorer.exe /desktop) ends a second after the
  # last program on the desktop, and the next program to open a window
  # starts it again, handing it its own output. A command interpreter
  # reading a pipe we hold stays on the desktop for the whole run and keeps
  # the first desktop process up; rundll32 opens a window, which starts it.
  local fifo=$vantrel_logs/desktop.fifo ready=$vantrel_logs/desktop.ready
  rm -f "$fifo" "$ready"
  mkfifo -m 600 "$fifo"
  wine cmd.exe <"$fifo" >"$vantrel_logs/desktop.log" 2>&1 &
  exec {vantrel_desktop_keeper}>"$fifo"
  rm -f "$fifo"
  # One line: Wine's cmd takes only the first line of what arrives at once.
  printf 'start /wait rundll32.exe user32.dll,GetDesktopWindow & echo ready>"Z:%s"\r\n' "${ready//\//\\}" \
    >&"$vantrel_desktop_keeper"
  for _ in $(seq 1 300); do
    [ -e "$ready" ] && break
    sleep 0.1
  done
  [ -e "$ready" ] || vantrel_fail "the Wine desktop did not start within 30 s" "$vantrel_logs/desktop.log"
  vantrel_wait_for_wine_program 'explorer\.exe /desktop' "Wine's desktop process" "$vantrel_logs/desktop.log"
}

vantrel_start_display
vantrel_start_sound
vantrel_start_wine
