#include "RecordChart.h"

#include <QLocale>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>

namespace {
// Beyond two weeks the day labels stand upright, so they do not overlap.
constexpr int daysWithLevelLabels = 14;
} // namespace

RecordChart::RecordChart(QWidget *parent) : QChartView(parent) {
    setObjectName(QStringLiteral("Verlauf"));
    setAccessibleName(QStringLiteral("Richtige und falsche Antworten je Tag"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(220);
    showDays({});
}

void RecordChart::showDays(const QList<DayCounts> &days) {
    auto *right = new QBarSet(QStringLiteral("richtig"));
    auto *wrong = new QBarSet(QStringLiteral("falsch"));
    right->setColor(QColor(0x2e, 0x8b, 0x57));
    wrong->setColor(QColor(0xc0, 0x39, 0x2b));
    QStringList labels;
    QStringList description;
    int highest = 0;
    for (const DayCounts &day : days) {
        *right << day.right;
        *wrong << day.wrong;
        labels << day.day.toString(QStringLiteral("dd.MM."));
        description << QStringLiteral("%1: %2 richtig, %3 falsch")
                           .arg(day.day.toString(QStringLiteral("dd.MM.yyyy")))
                           .arg(day.right)
                           .arg(day.wrong);
        highest = qMax(highest, day.right + day.wrong);
    }
    auto *series = new QStackedBarSeries;
    series->append(right);
    series->append(wrong);

    auto *chart = new QChart;
    chart->setTitle(accessibleName());
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->addSeries(series);
    auto *x = new QBarCategoryAxis;
    x->append(labels);
    if (labels.size() > daysWithLevelLabels)
        x->setLabelsAngle(-90);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    // Whole answers only: ticks a whole number apart, at most about five.
    const int step = qMax(1, (highest + 4) / 5);
    auto *y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%d"));
    y->setRange(0, qMax(1, (highest + step - 1) / step) * step);
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(step);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    chart->legend()->setAlignment(Qt::AlignBottom);

    QChart *old = this->chart();
    setChart(chart);
    delete old;
    setAccessibleDescription(days.isEmpty() ? QStringLiteral("Keine Antworten in diesem Zeitraum")
                                            : description.join(QStringLiteral("; ")));
}
