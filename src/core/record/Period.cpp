#include "Period.h"

QString periodName(Period period) {
    switch (period) {
    case Period::Today:
        return QStringLiteral("heute");
    case Period::Week:
        return QStringLiteral("7 Tage");
    case Period::Month:
        return QStringLiteral("30 Tage");
    case Period::All:
        break;
    }
    return QStringLiteral("alles");
}

QDateTime periodStart(Period period, const QDateTime &now) {
    const QDate today = now.date();
    switch (period) {
    case Period::Today:
        return today.startOfDay();
    case Period::Week:
        return today.addDays(-6).startOfDay();
    case Period::Month:
        return today.addDays(-29).startOfDay();
    case Period::All:
        break;
    }
    return {};
}
