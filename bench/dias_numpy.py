#!/usr/bin/python3
"""numpy's business-day counts for the rows bench_dias measured.

    dias_numpy.py FILAS CALENDARIO.udb

FILAS holds bench_dias's output. For each row prints, tab-separated:
    clave  resultado  ns por llamada  ns por elemento en un vector de 10000

Day serials count from 30/12/1899, so serial 25569 is 1970-01-01, numpy's
day 0. bench_dias counts the days after desde up to hasta included, while
busday_count counts [begin, end): both ends move one day later. A date
n business days away is busday_offset with roll='backward', so that a
start on a holiday counts from the holiday itself, as bench_dias does.
"""

import sqlite3
import sys
import timeit

import numpy as np

EPOCA = 25569


def dia(serial):
    return np.datetime64(int(serial) - EPOCA, "D")


def serial(d):
    return int(d.astype("datetime64[D]").astype(np.int64)) + EPOCA


def ns_por_llamada(llamada):
    """Best of five rounds of about 0.1 s each."""
    temporizador = timeit.Timer(llamada)
    n, _ = temporizador.autorange()
    n = max(n, int(n * 0.1 / max(temporizador.timeit(n), 1e-9)))
    return min(temporizador.repeat(repeat=5, number=n)) / n * 1e9


def main():
    if len(sys.argv) != 3:
        sys.exit("uso: dias_numpy.py FILAS CALENDARIO.udb")
    with sqlite3.connect(f"file:{sys.argv[2]}?mode=ro", uri=True) as con:
        fechas = [r[0] for r in con.execute("SELECT FECHA FROM Calendar ORDER BY FECHA")]
    festivos = np.array([dia(f) for f in fechas], dtype="datetime64[D]")
    calendarios = {
        "1": np.busdaycalendar(weekmask="1111100", holidays=festivos),  # sábado no hábil
        "0": np.busdaycalendar(weekmask="1111110", holidays=festivos),
    }
    with open(sys.argv[1], encoding="utf-8") as f:
        filas = [linea.rstrip("\n").split("\t") for linea in f if linea.strip()]
    for clave, tipo, sabados_no, desde, hasta_o_n, *_ in filas:
        cal = calendarios[sabados_no]
        if tipo == "cuenta":
            b, e = dia(int(desde) + 1), dia(int(hasta_o_n) + 1)
            resultado = int(np.busday_count(b, e, busdaycal=cal))
            llamada = lambda: np.busday_count(b, e, busdaycal=cal)
            vb, ve = np.full(10000, b), np.full(10000, e)
            vector = lambda: np.busday_count(vb, ve, busdaycal=cal)
        else:
            d, n = dia(desde), int(hasta_o_n)
            resultado = serial(np.busday_offset(d, n, roll="backward", busdaycal=cal))
            llamada = lambda: np.busday_offset(d, n, roll="backward", busdaycal=cal)
            vd, vn = np.full(10000, d), np.full(10000, n)
            vector = lambda: np.busday_offset(vd, vn, roll="backward", busdaycal=cal)
        print(f"{clave}\t{resultado}\t{ns_por_llamada(llamada):.1f}\t{ns_por_llamada(vector) / 10000:.1f}",
              flush=True)


if __name__ == "__main__":
    main()
