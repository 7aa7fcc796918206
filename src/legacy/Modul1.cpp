#include "Modul1.h"

#include "core/NumberText.h"
#include "core/Session.h"
#include "ui/AnswerFeedback.h"

#include <QPointer>

namespace MODUL1 {

namespace {
QPointer<Session> current;
} // namespace

Session &session() {
    static Session fallback;
    return current ? *current : fallback;
}

void useSession(Session *s) {
    current = s;
}

double Zahl = 0;
QString ZahlText;
QString Merker;
std::array<int, 11> Zahlenfeld{};

void NeueZahl() {
    Zahl = session().drawNumber();
    ZahlText = NumberText::digits(qint64(Zahl));
}

void MeldeFehler() {
    AnswerFeedback::wrong(session());
}

void MeldeRichtig() {
    AnswerFeedback::right(session());
}

} // namespace MODUL1
