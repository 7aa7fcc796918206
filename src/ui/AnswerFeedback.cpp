#include "AnswerFeedback.h"

#include "Dialogs.h"
#include "core/NumberText.h"
#include "core/Session.h"

namespace AnswerFeedback {

void right(Session &session) {
    session.answerRight();
    msgBox(QStringLiteral("Richtig, bitte weiter!\r"), MsgIcon::Information, MsgButtons::Ok,
           QStringLiteral("Zahleingabe") + NumberText::withBlank(session.count()) +
               QStringLiteral("/20"));
    if (session.rewardDue())
        msgBox(QStringLiteral("Du kriegst eine Spielrunde!\rHole sie im Hauptmenü ab!\r"),
               MsgIcon::None, MsgButtons::Ok, QStringLiteral("Belohnung"));
}

void wrong(Session &session) {
    session.answerWrong();
    msgBox(QStringLiteral("Fehler, bitte nochmals!\r"), MsgIcon::Critical, MsgButtons::Ok,
           QStringLiteral("Zahleingabe"));
}

} // namespace AnswerFeedback
