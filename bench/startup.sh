#!/usr/bin/env bash
# Startup time and resident memory of build/tallyra against the smallest Qt
# widgets program (bench/minimal), each started N times on one private Xvfb.
#
#   bench/startup.sh [-n N] [-b BUILD_DIR]      (N defaults to 7, BUILD_DIR to build)
#
# Startup is measured from the fork until an outside observer (xdotool) sees
# a viewable window owned by the process, so neither program has to report
# anything itself. Resident memory is VmRSS half a second after that.
# Goals: tallyra within 1.5x the minimal program's startup, under 60 MB.
set -euo pipefail
cd "$(dirname "$0")/.."

N=7
BUILD=build
while getopts "n:b:" opt; do
  case $opt in
    n) N=$OPTARG ;;
    b) BUILD=$OPTARG ;;
    *) echo "uso: $0 [-n veces] [-b dir_build]" >&2; exit 2 ;;
  esac
done

TALLYRA=$BUILD/tallyra
MINIMAL=$BUILD/bench/bench_minimal
for f in "$TALLYRA" "$MINIMAL"; do
  [ -x "$f" ] || { echo "falta $f: compile antes con cmake --build $BUILD" >&2; exit 1; }
done
for t in Xvfb xdotool xwininfo; do
  command -v "$t" >/dev/null || { echo "falta $t (scripts/tallyra.sh lo instala)" >&2; exit 1; }
done

# A free display: neither a lock file nor a socket of a running server.
d=90
while [ -e "/tmp/.X$d-lock" ] || [ -e "/tmp/.X11-unix/X$d" ]; do d=$((d + 1)); done
export DISPLAY=":$d"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# The user's settings must not shape the run, and the runs must not write them.
TMPD=$(mktemp -d)
export HOME=$TMPD XDG_CONFIG_HOME=$TMPD/config XDG_DATA_HOME=$TMPD/data XDG_RUNTIME_DIR=$TMPD/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# -noreset: between two runs no client is connected, and a server reset
# then refuses the next program for a moment.
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$TMPD/xvfb.log" 2>&1 &
XVFB=$!
APP=""
limpiar() {
  [ -n "$APP" ] && kill "$APP" 2>/dev/null && wait "$APP" 2>/dev/null
  kill "$XVFB" 2>/dev/null && wait "$XVFB" 2>/dev/null
  rm -rf "$TMPD"
}
trap limpiar EXIT
for _ in $(seq 100); do
  xwininfo -root >/dev/null 2>&1 && break
  kill -0 "$XVFB" 2>/dev/null || { cat "$TMPD/xvfb.log" >&2; exit 1; }
  sleep 0.05
done

now_ns() { date +%s%N; }

# One start: prints "<ms to visible window> <VmRSS kB>".
medir() {
  local prog=$1 t0 t1 rss
  t0=$(now_ns)
  "$prog" >"$TMPD/salida.log" 2>&1 &
  APP=$!
  until xdotool search --onlyvisible --pid "$APP" >/dev/null 2>&1; do
    if ! kill -0 "$APP" 2>/dev/null; then echo "$prog terminó sin mostrar ventana:" >&2; cat "$TMPD/salida.log" >&2; exit 1; fi
    if [ $(( ($(now_ns) - t0) / 1000000 )) -gt 20000 ]; then echo "$prog: sin ventana en 20 s" >&2; exit 1; fi
  done
  t1=$(now_ns)
  sleep 0.5
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$APP/status")
  kill "$APP"; wait "$APP" 2>/dev/null || true
  APP=""
  echo "$(( (t1 - t0) / 1000 ))" "$rss"
}

mediana() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# One unmeasured start of each fills the page cache for both alike.
medir "$TALLYRA" >/dev/null
medir "$MINIMAL" >/dev/null

: >"$TMPD/tallyra" ; : >"$TMPD/minimal"
printf '%-4s %14s %12s %14s %12s\n' run "tallyra ms" "tallyra MB" "minimal ms" "minimal MB"
for i in $(seq "$N"); do
  # Alternating keeps a slow phase of the machine from landing on one side.
  read -r ta ra < <(medir "$TALLYRA")
  read -r tm rm < <(medir "$MINIMAL")
  echo "$ta $ra" >>"$TMPD/tallyra"
  echo "$tm $rm" >>"$TMPD/minimal"
  awk -v i="$i" -v ta="$ta" -v ra="$ra" -v tm="$tm" -v rm="$rm" \
    'BEGIN { printf "%-4s %14.1f %12.1f %14.1f %12.1f\n", i, ta / 1000, ra / 1024, tm / 1000, rm / 1024 }'
done

mt=$(cut -d' ' -f1 "$TMPD/tallyra" | mediana)
mr=$(cut -d' ' -f2 "$TMPD/tallyra" | mediana)
nt=$(cut -d' ' -f1 "$TMPD/minimal" | mediana)
nr=$(cut -d' ' -f2 "$TMPD/minimal" | mediana)
awk -v mt="$mt" -v mr="$mr" -v nt="$nt" -v nr="$nr" -v n="$N" 'BEGIN {
  r = mt / nt
  printf "\nmedianas de %d arranques\n", n
  printf "  tallyra: %.1f ms hasta la ventana, %.1f MB residentes\n", mt / 1000, mr / 1024
  printf "  minimal: %.1f ms hasta la ventana, %.1f MB residentes\n", nt / 1000, nr / 1024
  printf "  arranque tallyra/minimal: %.2fx (objetivo <= 1.5x): %s\n", r, (r <= 1.5) ? "CUMPLE" : "NO CUMPLE"
  printf "  memoria tallyra: %.1f MB (objetivo < 60 MB): %s\n", mr / 1024, (mr / 1024 < 60) ? "CUMPLE" : "NO CUMPLE"
}'
