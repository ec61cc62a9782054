# Sourced by the run, test and bench scripts: installs what is missing,
# starts a display (Xvfb when there is none) and a 64-bit Wine prefix of our
# own, and configures the build tree. Sets root and build.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
build=${VANTREL_BUILD_DIR:-$root/build}
mkdir -p "$build"
# Wine and PulseAudio keep state under HOME; give them one when none is set.
if [ -z "${HOME:-}" ]; then
  export HOME=$build/home
  mkdir -p "$HOME"
fi

export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

vantrel_cleanup_pids=()
vantrel_cleanup() {
  wineserver -k 2>/dev/null || true
  if [ -n "${vantrel_started_pulseaudio:-}" ]; then pulseaudio --kill 2>/dev/null || true; fi
  for pid in "${vantrel_cleanup_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap vantrel_cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      vantrel_cleanup_pids+=($!)
      export DISPLAY=":$n"
      for _ in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
      done
      break
    fi
  done
fi

# A sound server with a null sink, so the programs under Wine have a mixer.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$build/runtime}
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
if ! pactl info >/dev/null 2>&1; then
  pulseaudio --daemonize=yes --exit-idle-time=-1 -n --load=module-null-sink \
    --load=module-native-protocol-unix >/dev/null 2>&1 || true
  vantrel_started_pulseaudio=1
fi

mkdir -p "$WINEPREFIX"
# One persistent server for the whole run keeps each program start quick
# (it may already run for this prefix).
wineserver -p 2>/dev/null || true
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Preparing the Wine prefix in $WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  # Xvfb runs no window manager: Wine would wait two seconds for one at
  # every hide. Its windows manage themselves instead.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
