#include "Form3.h"

#include "DigitsTask.h"
#include "NumberWords.h"
#include "core/Session.h"
#include "legacy/Modul1.h"
#include "legacy/Screens.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int screenWidth = 10800;
constexpr int columnWidth = 1620;
constexpr int firstColumn = (screenWidth - 6 * columnWidth) / 2;

// Place names over the sliders, left to right; HBildlauf6 stands leftmost.
const char *const placeNames[] = {"Hunderttausender", "Zehntausender", "Tausender",
                                  "Hunderter",        "Zehner",        "Einer"};

} // namespace

Form3::Form3(Session &session) : ExerciseScreen(QStringLiteral("Form3"), Keys::EnterOnly, session) {
    setFixedSize(tw(screenWidth), tw(4200));

    word_ = new Label(QStringLiteral("Bezeichnung2"), this);
    word_->setGeometry(twRect(120, 240, screenWidth - 240, 600));
    word_->setAlignment(Qt::AlignCenter);
    word_->setPointSize(13, true);

    for (int column = 0; column < 6; ++column) {
        const int number = 6 - column; // HBildlauf6 .. HBildlauf1
        const int left = firstColumn + column * columnWidth;
        auto *name = new Label(QStringLiteral("Bezeichnung%1").arg(number + 2), this,
                               QString::fromLatin1(placeNames[column]));
        name->setGeometry(twRect(left, 1080, columnWidth, 300));
        name->setAlignment(Qt::AlignCenter);

        auto *bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(QStringLiteral("HBildlauf%1").arg(number));
        bar->setGeometry(twRect(left + 90, 1440, columnWidth - 180, 300));
        bar->setRange(0, 9);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        // valueChanged also follows the thumb while it is dragged, so the word is live.
        connect(bar, &QScrollBar::valueChanged, this, [this, number] { sliderChanged(number); });
        sliders_[number - 1] = bar;
    }

    endButton()->setGeometry(twRect(480, 2520, 1455, 615));
    task_ = new Label(QStringLiteral("Bezeichnung1"), this);
    task_->setGeometry(twRect(2160, 2400, screenWidth - 2 * 2160, 855));
    task_->setAlignment(Qt::AlignCenter);
    task_->setPointSize(24, true);
    okayButton()->setGeometry(twRect(screenWidth - 480 - 1455, 2520, 1455, 615));

    auto *hint =
        new Label(QStringLiteral("Bezeichnung9"), this, QStringLiteral("Eingabe mit [Enter]"));
    hint->setGeometry(twRect(2160, 3480, screenWidth - 2 * 2160, 360));
    hint->setAlignment(Qt::AlignCenter);

    setNewTaskLabel(task_);
}

void Form3::sliderChanged(int number) {
    // HBildlauf1 writes the units, place 7; HBildlauf6 the hundred-thousands, place 2.
    MODUL1::Merker = withPlaceDigit(MODUL1::Merker, 8 - number, slider(number)->value());
    ZeigeZahlWort();
}

void Form3::ZeigeZahlWort() {
    MODUL1::BildeZahlWort();
    word_->setText(MODUL1::ZahlWort);
}

void Form3::PruefeZiffern() {
    std::array<int, 6> values{};
    for (int column = 0; column < 6; ++column)
        values[column] = slider(6 - column)->value();
    if (!slidersSpell(MODUL1::ZahlText, sliderDigits(values))) {
        MODUL1::MeldeFehler();
        return;
    }
    MODUL1::MeldeRichtig();
    MODUL1::NeueZiffernAufgabe();
}

void MODUL1::NeueZiffernAufgabe() {
    Form3 &screen = Screens::get<Form3>();
    drawSliderNumber();
    Merker = QStringLiteral("0000000");
    screen.taskLabel()->setText(ZahlText);
    screen.wordLabel()->setText(QString());
    for (int number = 1; number <= 6; ++number)
        screen.slider(number)->setValue(0);
}
