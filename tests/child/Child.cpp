#include "Child.h"
#include "Program.h"

#include "BoxAnswers.h"
#include "Gestures.h"
#include "Invariants.h"
#include "Players.h"
#include "Watchdog.h"

#include "ui/MenuScreen.h"
#include "ui/Screen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRegularExpression>

namespace {
constexpr int stepRepeatLimit = 60; // a step that is not done by then is stuck
const QString richtigText = QStringLiteral("Richtig, bitte weiter!\r");
const QString fehlerText = QStringLiteral("Fehler, bitte nochmals!\r");
} // namespace

Child::Child(quint32 seed) : rng_(seed) {
    boxes_.setPollInterval(0);
    boxes_.decide = [this](const SeenBox &box) { return BoxAnswers::answer(*this, box); };
    boxes_.onBox = [this](const SeenBox &box) {
        trace_.box(box);
        ++stats_.boxes;
        // The running count in a title would make every right-answer box a line of its own.
        ++stats_.boxesByText[QString(box.title).replace(QRegularExpression(QStringLiteral("\\d+")),
                                                        QStringLiteral("#")) +
                             QStringLiteral(": ") +
                             QString(box.text).replace(QLatin1Char('\r'), QStringLiteral("\\r"))];
        if (!box.input && box.text == richtigText)
            ++stats_.richtigBoxes;
        if (!box.input && box.text == fehlerText)
            ++stats_.fehlerBoxes;
    };
}

bool Child::chance(double p) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < p;
}

int Child::pick(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(rng_);
}

bool Child::answerRight() {
    const bool right = chance(0.5);
    ++(right ? stats_.meantRight : stats_.meantWrong);
    return right;
}

void Child::add(const QString &what, std::function<bool()> act, Expect expect) {
    plan_ << Step{what, std::move(act), expect};
}

void Child::once(const QString &what, std::function<void()> act, Expect expect) {
    add(
        what,
        [act] {
            act();
            return true;
        },
        expect);
}

QWidget *Child::currentScreen() {
    // The info screen stands beside the others; every other screen is alone.
    QWidget *found = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<Screen *>(w) &&
            w->objectName() != QLatin1String("ZUBLABEL") && (!found || found == &testApp().menu()))
            found = w;
    return found;
}

void Child::run(int actions) {
    Watchdog watchdog(std::chrono::seconds(qEnvironmentVariableIntValue("ZUB_CHILD_WATCHDOG") > 0
                                               ? qEnvironmentVariableIntValue("ZUB_CHILD_WATCHDOG")
                                               : 30));
    const bool trace = qEnvironmentVariableIsSet("ZUB_CHILD_TRACE");
    // A reward is fetched whenever the enabled button fires, by mouse or by key.
    const QMetaObject::Connection rewards = QObject::connect(
        testApp().menu().rewardButton(), &QPushButton::clicked, [this] { ++stats_.rewards; });
    QElapsedTimer clock;
    clock.start();
    while (stats_.actions < actions) {
        QWidget *screen = currentScreen();
        if (!screen) {
            stats_.fault(QStringLiteral("no screen is visible; the child is stuck"));
            testApp().menu().display();
            continue;
        }
        if (screen != planScreen_) {
            plan_.clear(); // what was planned for another screen is void
            planScreen_ = screen;
            tries_ = 0;
        }
        if (plan_.isEmpty()) {
            maybeCloseInfo(*this);
            const auto player = players_.constFind(screen->objectName());
            (player != players_.cend() ? *player : fallbackPlayer())(*this, screen);
            if (plan_.isEmpty()) // the player found nothing to do: a key, then look again
                once(QStringLiteral("stray key"),
                     [this, screen] { Gesture::strayKey(*this, screen); });
        }
        Step &step = plan_.first();
        const QString where = screen->objectName();
        watchdog.starting(where + QStringLiteral(": ") + step.what);
        if (trace)
            qInfo("%d %s: %s", stats_.actions + 1, qPrintable(where), qPrintable(step.what));

        // Only this action's boxes are looked at; keeping every box of a long run
        // would make the run's memory grow with its length.
        boxes_.seen.clear();
        const bool done = step.act();
        QCoreApplication::processEvents();
        ++stats_.actions;
        ++stats_.actionsPerScreen[where];
        if (QWidget *now = currentScreen())
            trace_.action(stats_.actions, where + QStringLiteral(": ") + step.what, now);
        watchdog.completed();

        if (done) {
            const Step finished = plan_.takeFirst();
            tries_ = 0;
            checkVerdict(finished);
        } else if (++tries_ > stepRepeatLimit) {
            stats_.fault(QStringLiteral("%1: step '%2' never completes").arg(where, step.what));
            plan_.clear();
        }
        Invariants::check(*this);
    }
    stats_.seconds = double(clock.nsecsElapsed()) / 1e9;
    stats_.worksheetChars = worksheetLength();
    QObject::disconnect(rewards);
}

void Child::checkVerdict(const Step &step) {
    if (step.expect == Expect::Anything)
        return;
    int richtig = 0;
    int fehler = 0;
    for (const SeenBox &box : std::as_const(boxes_.seen)) {
        richtig += box.text == richtigText;
        fehler += box.text == fehlerText;
    }
    const bool ok = step.expect == Expect::Right   ? richtig == 1 && fehler == 0
                    : step.expect == Expect::Wrong ? richtig == 0 && fehler == 1
                                                   : richtig == 0 && fehler == 0;
    if (!ok) {
        static const char *const names[] = {"anything", "right", "wrong", "no verdict"};
        stats_.fault(QStringLiteral("'%1' was meant %2 but brought %3 right and %4 wrong boxes")
                         .arg(step.what, QLatin1String(names[int(step.expect)]))
                         .arg(richtig)
                         .arg(fehler));
    }
}
