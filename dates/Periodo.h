#pragma once
// The length of a period as years, months and days, counting both ends:
// "1 año,2 meses,16 dias". Dates are whole day serials, inicio <= fin (an
// inverted pair is measured the other way round). Never empty.

#include <QString>

QString CalculaDMA(int inicio, int fin);
