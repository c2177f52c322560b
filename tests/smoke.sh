#!/usr/bin/env bash
# The real program on a real X server: it must show its window, take typed
# keys, change what it shows in answer, and close cleanly on F12.
#
#   tests/smoke.sh PATH/TO/tallyra
#
# Exit 77 (skipped) when the X tools are missing, as on a machine set up
# without scripts/tallyra.sh.
set -uo pipefail

PROG=${1:?uso: smoke.sh ruta/a/tallyra}
for t in xvfb-run xdotool import compare; do
  command -v "$t" >/dev/null || { echo "SKIP: falta $t"; exit 77; }
done

if [ "${SMOKE_DENTRO_DE_X:-}" != 1 ]; then
  # -noreset: the helper tools connect and leave one after another, and a
  # server reset in between would refuse the next one.
  SMOKE_DENTRO_DE_X=1 exec timeout 60 xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
fi

# The headless platform the unit tests use would never reach this X server.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
TMPD=$(mktemp -d)
# A first start with nothing read from or written to the user's own settings.
export HOME=$TMPD XDG_CONFIG_HOME=$TMPD/config XDG_DATA_HOME=$TMPD/data XDG_RUNTIME_DIR=$TMPD/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

PID=""
fin() {
  [ -n "$PID" ] && { kill -9 "$PID"; wait "$PID"; } 2>/dev/null
  rm -rf "$TMPD"
}
trap fin EXIT
falla() {
  echo "FALLO: $*"
  [ -s "$TMPD/salida.log" ] && { echo "--- salida del programa:"; cat "$TMPD/salida.log"; }
  exit 1
}

"$PROG" >"$TMPD/salida.log" 2>&1 &
PID=$!

WIN=$(timeout 10 xdotool search --sync --all --onlyvisible --pid "$PID" --name 'Ver\.: 1\.20' 2>/dev/null | head -n1)
[ -n "$WIN" ] || falla "no apareció la ventana principal en 10 s"

TITULO=$(xdotool getwindowname "$WIN")
# Three blanks, the long Spanish date, the version; on X11 Qt adds the
# application's display name after a dash.
grep -Eq '^   [[:alpha:]]+, +[0-9]{1,2} de [[:alpha:]]+ de [0-9]{4} +Ver\.: 1\.20( — Tallyra)?$' <<<"$TITULO" \
  || falla "título inesperado: '$TITULO'"

captura() { import -window "$WIN" "$1" 2>/dev/null && [ -s "$1" ] || falla "no se pudo capturar la ventana"; }
# Pixels that differ between two captures; compare prints the count on stderr.
distintos() { compare -metric AE "$1" "$2" null: 2>&1 >/dev/null | awk '{printf "%d", $1}'; }

xdotool windowfocus --sync "$WIN" 2>/dev/null || falla "no se pudo dar el foco a la ventana"
sleep 0.5
captura "$TMPD/antes1.png"
sleep 0.6
captura "$TMPD/antes2.png"
# What changes with nobody typing (a blinking cursor) is the noise floor.
RUIDO=$(distintos "$TMPD/antes1.png" "$TMPD/antes2.png")

xdotool type --delay 60 '12+30+T'
sleep 1
kill -0 "$PID" 2>/dev/null || falla "el programa terminó mientras se tecleaba"
captura "$TMPD/despues.png"
CAMBIO=$(distintos "$TMPD/antes1.png" "$TMPD/despues.png")
echo "píxeles cambiados al teclear: $CAMBIO (sin teclear: $RUIDO)"
# Four tape lines and a new display are thousands of pixels; a cursor a few dozen.
[ "$CAMBIO" -gt $((RUIDO + 300)) ] || falla "la ventana no cambió al teclear 12+30+T"

xdotool key --window "$WIN" --clearmodifiers F12 2>/dev/null || xdotool key F12
for _ in $(seq 50); do
  kill -0 "$PID" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$PID" 2>/dev/null; then
  falla "F12 no cerró el programa en 5 s"
fi
wait "$PID"
RC=$?
PID=""
[ "$RC" -eq 0 ] || falla "el programa terminó con código $RC"
echo "OK"
