#pragma once

#include <QDateTime>
#include <QString>

// The periods the record can be looked at for.
enum class Period { Today, Week, Month, All }; // "heute", "7 Tage", "30 Tage", "alles"

QString periodName(Period period);

// The first moment of the period seen from now; a null QDateTime for All.
// "heute" starts at midnight, "7 Tage" at midnight six days before.
QDateTime periodStart(Period period, const QDateTime &now);
