// What the child does on each screen before its picture is taken, the way a
// child does it: keys, sliders, drops and clicks.
#include "exercise_steps.h"

#include "ModalBoxes.h"
#include "Program.h"
#include "core/numbers/NumberWords.h"
#include "core/relations/ComparisonRules.h"
#include "core/relations/NeighboursRules.h"
#include "core/structure/DecompositionRules.h"
#include "drop_events.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <algorithm>

quint32 seedOfPicture(int n) {
    return pictureSeed + 7919u * quint32(n);
}

void press(QWidget *screen, const char *button) {
    QTest::mouseClick(control<QPushButton>(screen, QLatin1String(button)), Qt::LeftButton);
}

namespace {

QString caption(QWidget *screen, const char *label) {
    return control<QLabel>(screen, QLatin1String(label))->text();
}

// Digit keys of the main keyboard, as the child types them.
void type(QWidget *screen, const QString &digits) {
    for (const QChar digit : digits)
        QTest::keyClick(screen, Qt::Key(Qt::Key_0 + digit.digitValue()));
}

void drag(QWidget *screen, const QString &caption, const char *target) {
    dropOnto(control<QLabel>(screen, QLatin1String(target)), *labelDrag(caption));
}

// What the child does on each screen before the picture is taken.

void setDigits(QWidget *screen) {
    // The sliders spell the task number; the word above follows them.
    const QString number = caption(screen, "Bezeichnung1");
    for (int place = 1; place <= number.size(); ++place)
        control<QScrollBar>(screen, QStringLiteral("HBildlauf%1").arg(place))
            ->setValue(number.at(number.size() - place).digitValue());
}

void typeWordDigits(QWidget *screen) {
    const QString word = caption(screen, "Bezeichnung1");
    for (int n = 1; n <= pictureRange; ++n)
        if (NumberWords::of(n) == word)
            return type(screen, QString::number(n));
}

void buildQuantity(QWidget *screen) {
    const QString digits = caption(screen, "Bezeichnung1").rightJustified(4, QLatin1Char('0'));
    const char *bars[] = {"HBildlauf4", "HBildlauf1", "HBildlauf2", "HBildlauf3"};
    for (int i = 0; i < 4; ++i)
        control<QScrollBar>(screen, QLatin1String(bars[i]))->setValue(digits.at(i).digitValue());
}

void typeMiddle(QWidget *screen) {
    press(screen, "Befehl6"); // step 10
    const int left = caption(screen, "Bezeichnung3").toInt();
    const int right = caption(screen, "Bezeichnung4").toInt();
    type(screen, QString::number((left + right) / 2));
}

void typeMissingMember(QWidget *screen) {
    // Nine members of one family; the tenth has the one digit not shown.
    QList<int> shown;
    for (int i = 1; i <= 9; ++i)
        shown << caption(screen, QStringLiteral("Bezeichnung%1").arg(i).toLatin1()).toInt();
    const int base = *std::min_element(shown.cbegin(), shown.cend()) / 10 * 10;
    int digitSum = 0;
    for (int member : shown)
        digitSum += member - base;
    type(screen, QString::number(base + 45 - digitSum));
}

void typeFirstPlaceValue(QWidget *screen) {
    // The first term only: the plus sign after it comes by itself.
    const QString sum = DecompositionRules::placeValueSum(caption(screen, "Bezeichnung1").toInt());
    type(screen, sum.section(QLatin1Char('+'), 0, 0));
}

void typeTensNeighbour(QWidget *screen) {
    press(screen, "Befehl4"); // place Z
    bool predecessor = false;
    int number = 0;
    for (;;) {
        predecessor = caption(screen, "Bezeichnung1").isEmpty();
        const char *shown = predecessor ? "Bezeichnung2" : "Bezeichnung1";
        number = caption(screen, shown).toInt();
        if (number % 10 != 0)
            break;
        // A whole ten is its own Z-predecessor: a click on it asks for another task.
        QTest::mouseClick(control<QLabel>(screen, QLatin1String(shown)), Qt::LeftButton);
    }
    const auto kind =
        predecessor ? NeighboursTask::Kind::Predecessor : NeighboursTask::Kind::Successor;
    type(screen,
         QString::number(NeighboursRules::expectedNeighbour(number, QStringLiteral("Z"), kind)));
}

void dropFirstSigns(QWidget *screen) {
    for (int k = 0; k < 2; ++k) {
        const int left =
            caption(screen, QStringLiteral("Bezeichnung%1").arg(5 + k).toLatin1()).toInt();
        const int right =
            caption(screen, QStringLiteral("Bezeichnung%1").arg(6 + k).toLatin1()).toInt();
        drag(screen, ComparisonRules::sign(left, right),
             QStringLiteral("Bezeichnung%1").arg(10 + k).toLatin1());
    }
}

void countOnByTen(QWidget *screen) {
    press(screen, "Befehl8"); // + 10
    const int start = caption(screen, "Bezeichnung1").toInt();
    ModalBoxes boxes; // a right box in the middle of the row shows none
    type(screen, QString::number(start + 10));
    QTest::keyClick(screen, Qt::Key_Return);
    type(screen, QString::number(start + 20).left(1));
}

void orderTwoSmallest(QWidget *screen) {
    QList<int> numbers;
    for (int k = 6; k <= 10; ++k)
        numbers << caption(screen, QStringLiteral("Bezeichnung%1").arg(k).toLatin1()).toInt();
    std::sort(numbers.begin(), numbers.end());
    drag(screen, QString::number(numbers.at(0)), "Bezeichnung1");
    drag(screen, QString::number(numbers.at(1)), "Bezeichnung2");
}

} // namespace

// The exercises by their buttons, then the info screen.
const QList<Shot> menuShots = {
    {"Befehl2", "ziffern", setDigits},
    {"Befehl3", "woerter", typeWordDigits},
    {"Befehl4", "mengen", buildQuantity},
    {"Befehl5", "bilder", nullptr}, // the picture is the task
    {"Befehl6", "strahl", typeMiddle},
    {"Befehl7", "familie", typeMissingMember},
    {"Befehl8", "zerlegen", typeFirstPlaceValue},
    {"Befehl9", "nachbarn", typeTensNeighbour},
    {"Befehl10", "vergleichen", dropFirstSigns},
    {"Befehl11", "zaehlen", countOnByTen},
    {"Befehl14", "ordnen", orderTwoSmallest},
    {"Befehl12", "info", nullptr},
};
