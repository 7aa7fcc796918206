#pragma once

#include "core/record/RecordStatistics.h"

#include <QtCharts/QChartView>

// The right and wrong answers per day as stacked bars, so that progress is
// seen at a glance; the same figures are the view's accessible description.
class RecordChart : public QChartView {
    Q_OBJECT
public:
    explicit RecordChart(QWidget *parent = nullptr);

    void showDays(const QList<DayCounts> &days);
};
