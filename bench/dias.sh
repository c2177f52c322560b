#!/usr/bin/env bash
# Business days per call: build/bench/bench_dias against numpy's
# busday_count and busday_offset, on the shipped national calendar.
#
#   bench/dias.sh [-b BUILD_DIR]      (BUILD_DIR defaults to build)
#
# Builds nothing: compile first with cmake --build BUILD_DIR.
# Columns: (a) ours with the holidays in memory (IndiceFestivos), as numpy's
# precomputed busdaycalendar; (b) ours with one SQLite range query per call; (c) ours
# with no calendar, the weekday arithmetic alone; numpy per call from
# Python, and per element of a 10000-element vector call for reference.
# Goal: (a) at most numpy's time per call on every row, and flat from 1 to
# 100 years.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=build
while getopts "b:" opt; do
  case $opt in
    b) BUILD=$OPTARG ;;
    *) echo "uso: $0 [-b dir_build]" >&2; exit 2 ;;
  esac
done

BENCH=$BUILD/bench/bench_dias
CAL=$BUILD/Calendar.udb
for f in "$BENCH" "$CAL"; do
  [ -e "$f" ] || { echo "falta $f: compile antes con cmake --build $BUILD" >&2; exit 1; }
done
# Debian's interpreter: the one first on PATH may lack Debian's packages.
PY=/usr/bin/python3
"$PY" -c 'import numpy' 2>/dev/null || { echo "falta python3-numpy (scripts/tallyra.sh lo instala)" >&2; exit 1; }

TMPD=$(mktemp -d)
trap 'rm -rf "$TMPD"' EXIT
"$BENCH" "$CAL" >"$TMPD/nuestro"
"$PY" bench/dias_numpy.py "$TMPD/nuestro" "$CAL" >"$TMPD/numpy"

awk -F'\t' '
  NR == FNR { res[$1] = $2; ns[$1] = $3; vec[$1] = $4; next }
  {
    clave[++filas] = $1; nuestro[filas] = $6; a[filas] = $7; b[filas] = $8; c[filas] = $9
  }
  END {
    printf "%-18s %9s %9s %9s %11s %9s %11s %11s %8s\n", "fila", "nuestro", "numpy", "(a) ns", "(b) ns",
           "(c) ns", "numpy ns", "numpy vec", "(a)/np"
    iguales = 1; cumple = 1
    for (i = 1; i <= filas; i++) {
      k = clave[i]
      r = a[i] / ns[k]
      printf "%-18s %9s %9s %9.1f %11.1f %9.1f %11.1f %11.1f %7.3fx\n", k, nuestro[i], res[k], a[i], b[i], c[i],
             ns[k], vec[k], r
      if (nuestro[i] != res[k]) iguales = 0
      if (r > 1) cumple = 0
      if (k ~ /^1 año/) { uno[substr(k, length(k) - 2)] = a[i]; unoC[substr(k, length(k) - 2)] = c[i] }
      if (k ~ /^100 años/) { cien[substr(k, length(k) - 2)] = a[i]; cienC[substr(k, length(k) - 2)] = c[i] }
    }
    printf "\nresultados iguales a numpy: %s\n", iguales ? "SI" : "NO"
    printf "objetivo (a) <= numpy por llamada en cada fila: %s\n", cumple ? "CUMPLE" : "NO CUMPLE"
    # Neither the weekday arithmetic (c) nor the index (a) reads the
    # holidays of the period one by one: 9 in one year, 410 in 100.
    for (s in uno) {
      r = cien[s] / uno[s]
      printf "(a) %s: 100 años / 1 año = %.2fx (objetivo plano, <= 1.5x): %s\n", s, r,
             r <= 1.5 ? "CUMPLE" : "NO CUMPLE"
      printf "(c) %s: 100 años / 1 año = %.2fx\n", s, cienC[s] / unoC[s]
    }
  }
' "$TMPD/numpy" "$TMPD/nuestro"
