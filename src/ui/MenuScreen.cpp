#include "MenuScreen.h"

#include "ExerciseScreen.h"
#include "core/NumberText.h"
#include "core/Random.h"
#include "core/Session.h"
#include "core/SettingsFile.h"
#include "ui/Accessibility.h"
#include "ui/Dialogs.h"
#include "ui/Program.h"
#include "ui/Slider.h"
#include "ui/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int buttonWidth = 1215;
constexpr int buttonHeight = 495;

int rangeAt(int position) {
    return Session::ranges[size_t(position - 1)];
}

} // namespace

MenuScreen::MenuScreen(Session &session)
    : Screen(QStringLiteral("Form1"), QStringLiteral("ZUB-Zahlen")), session_(session) {
    setFixedSize(tw(6900), tw(6000));

    // The grey band across the middle, behind the command row and the range selector.
    auto *band = new QWidget(this);
    band->setObjectName(QStringLiteral("Figur1"));
    band->setGeometry(twRect(240, 2400, 6420, 1200));
    band->setAutoFillBackground(true);
    QPalette grey = band->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    band->setPalette(grey);
    Accessibility::markDecoration(band);

    // The exercise buttons stand in a diamond around the band.
    struct Place {
        const char *name;
        const char *caption;
        int x;
        int y;
    };
    static const Place places[] = {
        {"Befehl14", "Ordnen", 2850, 240},   {"Befehl2", "Ziffern", 1725, 960},
        {"Befehl3", "Wörter", 3975, 960},    {"Befehl5", "Bilder", 600, 1680},
        {"Befehl10", " < = >", 2850, 1680},  {"Befehl4", "Mengen", 5100, 1680},
        {"Befehl7", "Familie", 600, 3840},   {"Befehl9", "Nachbarn", 2850, 3840},
        {"Befehl8", "Zerlegen", 5100, 3840}, {"Befehl11", "Zählen", 1725, 4560},
        {"Befehl6", "Strahl", 3975, 4560},
    };
    for (const Place &p : places) {
        const QString name = QString::fromLatin1(p.name);
        auto *button = addButton(name, QString::fromUtf8(p.caption),
                                 twRect(p.x, p.y, buttonWidth, buttonHeight));
        connect(button, &QPushButton::clicked, this, [this, name] { openExercise(name); });
    }

    auto *endeButton = addButton(QStringLiteral("Befehl1"), QStringLiteral("Ende"),
                                 twRect(360, 2760, buttonWidth, buttonHeight));
    auto *druckButton = addButton(QStringLiteral("Befehl13"), QStringLiteral("Druck"),
                                  twRect(1695, 2760, buttonWidth, buttonHeight));
    auto *infoButton = addButton(QStringLiteral("Befehl12"), QStringLiteral("Info"),
                                 twRect(3030, 2760, buttonWidth, buttonHeight));
    connect(endeButton, &QPushButton::clicked, this, &MenuScreen::askToEnd);
    connect(druckButton, &QPushButton::clicked, this, &MenuScreen::openWorksheets);
    connect(infoButton, &QPushButton::clicked, this, [this] {
        if (info_)
            info_()->display();
    });

    rangeCaption_ = new QLabel(this);
    rangeCaption_->setObjectName(QStringLiteral("Bezeichnung1"));
    rangeCaption_->setGeometry(twRect(4380, 2520, 2160, 330));
    rangeCaption_->setAlignment(Qt::AlignCenter);
    rangeCaption_->setAutoFillBackground(true);
    rangeCaption_->setPalette(grey);

    range_ = new Slider(QStringLiteral("HBildlauf1"), QStringLiteral("Zahlenraum"), this);
    range_->setGeometry(twRect(4380, 2940, 2160, 300));
    range_->setRange(1, 6);
    range_->setSingleStep(1);
    range_->setPageStep(1);
    range_->setValue(1);
    // Tab reaches the bar, and the arrows, Page Up/Down, Home and End move it
    // (Left, Down and Page Down to smaller ranges); a click does not take the
    // focus from the buttons.
    range_->setFocusPolicy(Qt::TabFocus);
    // valueChanged also follows the thumb while it is dragged, so the caption is live.
    connect(range_, &QScrollBar::valueChanged, this, &MenuScreen::rangeChanged);

    reward15_ = addButton(QStringLiteral("Befehl15"), QStringLiteral("Belohnung"),
                          twRect(2850, 5280, buttonWidth, buttonHeight));
    reward15_->setEnabled(false);
    connect(&session_, &Session::rewardEarned, reward15_, [this] { reward15_->setEnabled(true); });
    connect(reward15_, &QPushButton::clicked, this, &MenuScreen::fetchReward);
}

void MenuScreen::keyPressEvent(QKeyEvent *event) {
    // Enter presses the focused button, as on the desktops the menu was made for.
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    if (button && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        button->click();
        return;
    }
    Screen::keyPressEvent(event);
}

void MenuScreen::load() {
    placeCentred();
    Random::seedFromTimeOfDay();
    session_.setRange(Session::defaultRange);
    loadRange();
    rangeChanged();
}

void MenuScreen::loadRange() {
    const std::optional<int> position = SettingsFile::readFirstNumber(settingsPath());
    if (!position || *position < 1 || *position > 6) {
        msgBox(QStringLiteral("Die Datei 'ZUBZAHL.INI' fehlt!\r"), MsgIcon::None, MsgButtons::Ok,
               QStringLiteral("ZUBZAHL"));
        return;
    }
    range_->setValue(*position);
}

void MenuScreen::rangeChanged() {
    const int position = range_->value();
    if (position >= 1 && position <= 6)
        session_.setRange(rangeAt(position));
    rangeCaption_->setText(QStringLiteral("Zahlen bis") + NumberText::withBlank(session_.range()));
}

void MenuScreen::openExercise(const QString &button) {
    const auto entry = std::find_if(exercises_.cbegin(), exercises_.cend(),
                                    [&](const Exercise &e) { return e.button == button; });
    if (entry == exercises_.cend())
        return; // no screen for this button in this build
    hide();
    ExerciseScreen *screen = entry->open();
    screen->display();
    if (entry->limitTo10000 && session_.range() > 10000) {
        range_->setValue(4);
        rangeChanged();
        msgBox(QStringLiteral("Zahlenraum nur bis 10000 möglich!"), MsgIcon::None, MsgButtons::Ok,
               QStringLiteral("Zahlenraum"));
    }
    screen->setWindowTitle(QStringLiteral("ZUB-Zahlen bis") +
                           NumberText::withBlank(session_.range()));
    screen->okayButton()->setFocus();
    screen->newTask();
}

void MenuScreen::askToEnd() {
    if (msgBox(QStringLiteral("Dieses Programm jetzt beenden?\r"), MsgIcon::Question,
               MsgButtons::YesNo, QStringLiteral("ZUB-Zahlen")) == MsgResult::No)
        return;
    if (!saveSetting())
        msgBox(QStringLiteral("Die Datei 'ZUBZAHL.INI' konnte nicht gespeichert werden!\r"),
               MsgIcon::None, MsgButtons::Ok, QStringLiteral("ZUBZAHL"));
    Program::end();
}

bool MenuScreen::saveSetting() const {
    return SettingsFile::writeNumber(settingsPath(), range_->value());
}

void MenuScreen::endWithoutAsking() {
    // No box: nobody may be there to answer it, and the logout must not wait.
    if (!saveSetting())
        qWarning("ZUBZAHL.INI could not be saved");
    Program::end();
}

void MenuScreen::openWorksheets() {
    const QString typed =
        inputBox(QStringLiteral("Passwort eingeben:"), QStringLiteral("Drucken"), QString());
    if (NumberText::value(typed) != session_.range() || !worksheet_)
        return;
    hide();
    worksheet_()->display();
}

void MenuScreen::fetchReward() {
    session_.takeReward();
    reward15_->setEnabled(false);
    if (!reward_)
        return;
    hide();
    reward_()->display();
}
