#pragma once

#include <QDateTime>
#include <QSqlQuery>
#include <QString>
#include <QTimeZone>
#include <QVariant>
#include <QVariantList>

namespace QueryHelpers {

// Local times for a list of moments. Working out the local time of each one
// alone would take most of the time of loading a year; the offset from UTC
// is looked up once per hour instead, since zones change it on the hour.
class LocalTimes {
public:
    QDateTime at(qint64 ms) {
        const qint64 hour = ms / 3600000;
        if (hour != hour_) {
            hour_ = hour;
            offset_ = QDateTime::fromMSecsSinceEpoch(hour * 3600000).offsetFromUtc();
        }
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
        // The same light offset zone; the time-spec form is deprecated from Qt 6.5.
        return QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::fromSecondsAheadOfUtc(offset_));
#else
        return QDateTime::fromMSecsSinceEpoch(ms, Qt::OffsetFromUTC, offset_);
#endif
    }

private:
    qint64 hour_ = -1;
    int offset_ = 0;
};

// Runs one statement with its values bound in order; names with quotes,
// semicolons or line breaks never become SQL.
inline bool exec(QSqlQuery &query, const QString &statement, const QVariantList &values) {
    if (!query.prepare(statement))
        return false;
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

} // namespace QueryHelpers
