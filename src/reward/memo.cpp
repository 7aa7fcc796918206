#include "memo.h"

#include "MemoRules.h"
#include "core/NumberText.h"
#include "ui/Dialogs.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QFont>
#include <QPushButton>

namespace {

constexpr int cardWidth = 615;
constexpr int cardHeight = 1095;

QRect cardPlace(int number) {
    const int column = (number - 1) % 6;
    const int row = (number - 1) / 6;
    return twRect(480 + 840 * column, 1080 + 1320 * row, cardWidth, cardHeight);
}

Label *stateLabel(QWidget *parent, const char *name, const QString &caption = {}) {
    auto *label = new Label(QString::fromLatin1(name), parent, caption);
    label->hide(); // holds game state, never shown
    return label;
}

} // namespace

memo::memo() : Screen(QStringLiteral("memo"), QStringLiteral("Memospiel")) {
    setFixedSize(tw(5880), tw(5280));
    setBackground(Qt::white);

    auto *instruction = new Label(QStringLiteral("Bezeichnung19"), this, instructionText());
    instruction->setGeometry(twRect(360, 120, 4335, 495));
    instruction->setBackground(QColor(192, 192, 192));
    instruction->setForeground(firstGameBlue());
    instruction->setPointSize(7.5);
    instruction->setWordWrap(true);

    auto *stopButton =
        addButton(QStringLiteral("Befehl1"), QStringLiteral("STOP"), twRect(4680, 120, 735, 495));
    connect(stopButton, &QPushButton::clicked, this, &memo::stop);

    // The designed face is not on every system; Qt then falls back to a
    // sans-serif face of the same size and weight.
    QFont cardFont(QStringLiteral("MS Sans Serif"));
    cardFont.setStyleHint(QFont::SansSerif);
    cardFont.setPointSizeF(13.5);
    cardFont.setBold(true);
    for (int number = 1; number <= MemoRules::cardCount; ++number) {
        auto *label = new Label(QStringLiteral("Bezeichnung%1").arg(number), this);
        label->setGeometry(cardPlace(number));
        label->setFont(cardFont);
        label->setForeground(Qt::white);
        label->setBackground(firstGameBlue());
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setCursor(Qt::PointingHandCursor);
        connect(label, &Label::clicked, this, [this, number] { cardClicked(number); });
        cards_[number - 1] = label;
    }

    dealt_ = stateLabel(this, "Bezeichnung20", QStringLiteral("0"));
    deal_ = stateLabel(this, "Bezeichnung21");
    open_ = stateLabel(this, "Bezeichnung22");
    first_ = stateLabel(this, "Bezeichnung23");
    second_ = stateLabel(this, "Bezeichnung24");
    clicked_ = stateLabel(this, "Bezeichnung25");
}

QString memo::instructionText() {
    return QStringLiteral(" Immer zwei Felder haben die gleiche Zahl, klicke   jedes Einzelfeld an "
                          "und suche alle Zahlenpaare !");
}

void memo::load() {
    placeCentred();
}

int memo::valueOf(const Label *label) {
    return NumberText::wholeNumber(label->text());
}

void memo::cardClicked(int number) {
    clicked_->setText(NumberText::digits(number));
    KarteAufdecken();
}

void memo::KarteAufdecken() {
    if (dealt_->text() == QLatin1String("0")) {
        KartenMischen();
        dealt_->setText(QStringLiteral("1"));
        first_->setText(QStringLiteral("0"));
        second_->setText(QStringLiteral("0"));
    }

    const int k = valueOf(clicked_);
    if (k < 1 || k > MemoRules::cardCount)
        return;
    // A card of a found pair is out of play, even while two other cards are up.
    if (MemoRules::at(open_->text(), k) == QLatin1Char('0'))
        return;

    int a = valueOf(first_);
    int b = valueOf(second_);
    if (a > 0 && b > 0) {
        KartenZudecken();
        a = 0;
        b = 0;
    }

    card(k)->setText(MemoRules::faceUp(MemoRules::at(deal_->text(), k)));

    if (a == 0) {
        first_->setText(NumberText::withBlank(k));
        return;
    }
    b = k;
    second_->setText(NumberText::withBlank(k));
    if (b == a) {
        // The first card again: it stays up as the first card of the turn.
        second_->setText(QStringLiteral("0"));
        return;
    }

    const QString deal = deal_->text();
    if (MemoRules::at(deal, a) == MemoRules::at(deal, b)) {
        open_->setText(MemoRules::markFound(open_->text(), a, b));
        PaarGefunden();
    }
    // Two different numbers stay up until the next click covers them.
    if (MemoRules::allFound(open_->text()))
        SpielEnde();
}

void memo::KartenZudecken() {
    for (const Label *turned : {first_, second_}) {
        const int number = valueOf(turned);
        if (number >= 1 && number <= MemoRules::cardCount)
            card(number)->clear();
    }
    first_->setText(QStringLiteral("0"));
    second_->setText(QStringLiteral("0"));
}

void memo::KartenMischen() {
    deal_->setText(MemoRules::deal());
    open_->setText(MemoRules::allInPlay());
}

void memo::PaarGefunden() {
    for (const Label *turned : {first_, second_}) {
        const int number = valueOf(turned);
        if (number >= 1 && number <= MemoRules::cardCount)
            card(number)->setBackground(foundWhite());
    }
    // No card counts as up any more: the next click covers nothing.
    first_->setText(QStringLiteral("0"));
    second_->setText(QStringLiteral("0"));
}

void memo::SpielEnde() {
    msgBox(QStringLiteral("  Das Spiel ist beendet!\r"), MsgIcon::None, MsgButtons::Ok,
           QStringLiteral("Memory"));
    SpielZuruecksetzen();
}

void memo::SpielZuruecksetzen() {
    for (Label *c : cards_) {
        c->setBackground(resetBlue());
        c->clear();
    }
    // The other state labels keep their texts; the next first click deals anew.
    dealt_->setText(QStringLiteral("0"));
    backToMenu();
}

void memo::stop() {
    const MsgResult answer =
        msgBox(QStringLiteral("Dieses Spiel jetzt beenden?\r"), MsgIcon::Question,
               MsgButtons::YesNo, QStringLiteral("M e m o r y"));
    // Nothing is reset: the next reward goes on with this board.
    if (answer != MsgResult::No)
        backToMenu();
}

void memo::backToMenu() {
    leave();
}
