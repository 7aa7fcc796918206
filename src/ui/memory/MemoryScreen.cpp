#include "MemoryScreen.h"

#include "ui/Dialogs.h"
#include "ui/KeyCodes.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QFont>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int cardWidth = 615;
constexpr int cardHeight = 1095;

QRect cardPlace(int number) {
    const int column = (number - 1) % 6;
    const int row = (number - 1) / 6;
    return twRect(480 + 840 * column, 1080 + 1320 * row, cardWidth, cardHeight);
}

} // namespace

MemoryScreen::MemoryScreen() : Screen(QStringLiteral("memo"), QStringLiteral("Memospiel")) {
    setKeyPreview(true);
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
    connect(stopButton, &QPushButton::clicked, this, &MemoryScreen::stop);

    // The designed face is not on every system; Qt then falls back to a
    // sans-serif face of the same size and weight.
    QFont cardFont(QStringLiteral("MS Sans Serif"));
    cardFont.setStyleHint(QFont::SansSerif);
    cardFont.setPointSizeF(13.5);
    cardFont.setBold(true);
    for (int number = 1; number <= MemoryGame::cardCount; ++number) {
        auto *label = new Label(QStringLiteral("Bezeichnung%1").arg(number), this);
        label->setGeometry(cardPlace(number));
        label->setFont(cardFont);
        label->setForeground(Qt::white);
        label->setBackground(firstGameBlue());
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setCursor(Qt::PointingHandCursor);
        label->setFocusPolicy(Qt::ClickFocus); // the arrows reach the cards; Tab goes to STOP
        connect(label, &Label::clicked, this, [this, number] { turnCard(number); });
        cards_[size_t(number - 1)] = label;
    }

    connect(&game_, &MemoryGame::boardChanged, this, &MemoryScreen::showBoard);
    connect(&game_, &MemoryGame::gameOver, this, &MemoryScreen::endGame);
    showBoard();
}

QString MemoryScreen::instructionText() {
    return QStringLiteral(" Immer zwei Felder haben die gleiche Zahl, klicke   jedes Einzelfeld an "
                          "und suche alle Zahlenpaare !");
}

void MemoryScreen::load() {
    placeCentred();
}

void MemoryScreen::showBoard() {
    for (int number = 1; number <= MemoryGame::cardCount; ++number) {
        Label *card = cards_[size_t(number - 1)];
        card->setText(game_.isFaceUp(number) ? MemoryGame::faceText(game_.numberOn(number))
                                             : QString());
        card->setBackground(game_.isFound(number) ? foundWhite() : cardBack_);
        const QString name = QStringLiteral("Karte %1").arg(number);
        if (!game_.isFaceUp(number))
            card->setAccessibleName(name + QStringLiteral(", verdeckt"));
        else
            card->setAccessibleName(
                name +
                (game_.isFound(number) ? QStringLiteral(", gefunden: ") : QStringLiteral(": ")) +
                QString::number(game_.numberOn(number)));
    }
}

void MemoryScreen::showEvent(QShowEvent *event) {
    Screen::showEvent(event);
    frameCard(framed_);
}

void MemoryScreen::frameCard(int number) {
    framed_ = number;
    cards_[size_t(number - 1)]->setFocus();
}

bool MemoryScreen::keyDown(int code) {
    // A clicked card has taken the focus: the frame goes on from there.
    const auto focused = std::find(cards_.cbegin(), cards_.cend(), focusWidget());
    const bool onCard = focused != cards_.cend();
    if (onCard)
        framed_ = int(focused - cards_.cbegin()) + 1;
    constexpr int columns = 6;
    int to = framed_;
    switch (code) {
    case KeyCode::Left:
        to = framed_ - 1;
        break;
    case KeyCode::Right:
        to = framed_ + 1;
        break;
    case KeyCode::Up:
        to = framed_ - columns;
        break;
    case KeyCode::Down:
        to = framed_ + columns;
        break;
    case KeyCode::Space:
    case KeyCode::Enter:
        if (!onCard)
            return false; // STOP takes its own Space
        turnCard(framed_);
        return true;
    default:
        return false;
    }
    // The first arrow after STOP only brings the frame back to its card.
    frameCard(onCard && to >= 1 && to <= MemoryGame::cardCount ? to : framed_);
    return true;
}

void MemoryScreen::endGame() {
    msgBox(QStringLiteral("  Das Spiel ist beendet!\r"), MsgIcon::None, MsgButtons::Ok,
           QStringLiteral("Memory"));
    cardBack_ = resetBlue();
    game_.clear();
    leave();
}

void MemoryScreen::stop() {
    const MsgResult answer =
        msgBox(QStringLiteral("Dieses Spiel jetzt beenden?\r"), MsgIcon::Question,
               MsgButtons::YesNo, QStringLiteral("M e m o r y"));
    // Nothing is reset: the next reward goes on with this board.
    if (answer != MsgResult::No)
        leave();
}
