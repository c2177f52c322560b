#include "Pascua.h"

#include <algorithm>

namespace Calendarios {

QDate DomingoDePascua(int anio)
{
    if (anio < 1583 || anio > 9999)
        return QDate();
    const int a = anio % 19;
    const int b = anio / 100, c = anio % 100;
    const int d = b / 4, e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int n = h + l - 7 * m + 114;
    return QDate(anio, n / 31, n % 31 + 1);
}

QList<QDate> FestivosNacionales(int anio)
{
    const QDate pascua = DomingoDePascua(anio);
    if (!pascua.isValid())
        return {};
    QList<QDate> dias{QDate(anio, 1, 1),  QDate(anio, 1, 6),   pascua.addDays(-2),
                      QDate(anio, 5, 1),  QDate(anio, 8, 15),  QDate(anio, 10, 12),
                      QDate(anio, 11, 1), QDate(anio, 12, 6),  QDate(anio, 12, 8),
                      QDate(anio, 12, 25)};
    std::sort(dias.begin(), dias.end());
    return dias;
}

} // namespace Calendarios
