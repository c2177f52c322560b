#pragma once
#include <QString>
// A duration in days as "27h 04m 05s " (hours may pass 24; ends with a blank).
QString VerTotalHoras(double dias);
