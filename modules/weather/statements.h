#pragma once
// The statements of the weather screens, over the observations of EA010MS. A missing measurement
// (NULL) is left out of every minimum, maximum and average; a precipitation total counts it as 0.
#include "framework/reportstatement.h"
#include <QStringList>

namespace weather {

using reportsql::Statement;

// The seven places of the hourly screen, in column order, and their group titles.
const QStringList &placeCodes();     // A1 … A7
const QStringList &placeTitles();    // "BASE1" … "NEWPEAK2"

// One row per clock hour with observations, in order: OBSE_TIME (two digits) and per place
// TEMPERATURE_MAX_Ax, TEMPERATURE_MIN_Ax, TEMPERATURE_Ax, HUMIDITY_Ax, WIND_VELOCITY_Ax,
// WIND_DIRECTION_Ax.
Statement hourly(const QString &date);
// One row of 30 values over the whole day: A1's minimum, maximum and four averages, then the four
// averages of A2 … A7 (the order of the hourly grid's data columns).
Statement hourlyFooter(const QString &date);

// Every observation of a day and place, the latest first; OBSE_TIME as "hh:mm".
Statement dayObservations(const QString &date, const QString &place);
// The seven footer values of a place over a day or a period: the averages of temperature, humidity,
// wind speed, wind direction, radiation and pressure and the precipitation total.
Statement placeFooter(const QString &from, const QString &to, const QString &place);
// One row per day of the period at the place, in order: OBSE_DATE and the day's averages.
Statement dailyAverages(const QString &from, const QString &to, const QString &place);

} // namespace weather
