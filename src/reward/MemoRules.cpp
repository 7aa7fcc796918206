#include "MemoRules.h"

#include "core/Random.h"

namespace MemoRules {

QString deal() {
    static const QString pattern = QStringLiteral("112233445566778899");
    QString places(cardCount, QLatin1Char('0'));
    for (const QChar digit : pattern) {
        int place = Random::draw(cardCount);
        while (places.at(place - 1) != QLatin1Char('0'))
            place = Random::draw(cardCount);
        places[place - 1] = digit;
    }
    return places;
}

QString allInPlay() {
    return QString(cardCount, QLatin1Char('1'));
}

QString faceUp(QChar digit) {
    return digit + QString(16, QLatin1Char(' ')) + digit;
}

QChar at(const QString &text, int position) {
    if (position < 1 || position > text.size())
        return QChar();
    return text.at(position - 1);
}

QString markFound(QString open, int a, int b) {
    for (const int card : {a, b})
        if (card >= 1 && card <= open.size())
            open[card - 1] = QLatin1Char('0');
    return open;
}

bool allFound(const QString &open) {
    return open == QString(cardCount, QLatin1Char('0'));
}

} // namespace MemoRules
