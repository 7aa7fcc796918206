#include "InfoScreen.h"

#include "Accessibility.h"
#include "KeyCodes.h"
#include "Label.h"
#include "Twips.h"

#include <QPainter>
#include <QPixmap>

namespace {

const QColor navy(0, 0, 128);

Label *titleLetter(QWidget *parent, const char *name, const QString &text, const QColor &colour,
                   const QRect &geometry) {
    auto *label = new Label(QString::fromLatin1(name), parent, text);
    label->setBackground(navy);
    label->setForeground(colour);
    label->setPointSize(18, true);
    label->setGeometry(geometry);
    return label;
}

// A small 16-colour picture: three coloured digit blocks on navy, drawn
// afresh for the screen's factor and the display's pixels.
QPixmap iconPicture(qreal factor, qreal pixelRatio) {
    const int side = qRound(32 * factor * pixelRatio);
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(navy);
    QPainter p(&pixmap);
    p.scale(factor, factor);
    const QColor colours[] = {QColor(255, 0, 255), QColor(0, 255, 255), QColor(0, 255, 0)};
    const char *digits[] = {"1", "2", "3"};
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    for (int i = 0; i < 3; ++i) {
        const QRect cell(1 + i * 10, 10, 10, 12);
        p.fillRect(cell.adjusted(0, 0, -1, 0), colours[i]);
        p.setPen(Qt::black);
        p.drawText(cell, Qt::AlignCenter, QString::fromLatin1(digits[i]));
    }
    return pixmap;
}

} // namespace

InfoScreen::InfoScreen() : Screen(QStringLiteral("ZUBLABEL"), QStringLiteral("Programm-Info")) {
    setFixedSize(tw(6600), tw(4200));
    setBackground(QColor(0, 255, 255));

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Figur1"));
    panel->setGeometry(twRect(240, 240, 6120, 3720));
    panel->setAutoFillBackground(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, navy);
    panel->setPalette(p);
    Accessibility::markDecoration(panel);

    titleLetter(this, "Bezeichnung2", QStringLiteral("Z"), QColor(255, 0, 255),
                twRect(1200, 420, 360, 480));
    titleLetter(this, "Bezeichnung3", QStringLiteral("U"), QColor(0, 255, 255),
                twRect(1560, 420, 360, 480));
    titleLetter(this, "Bezeichnung4", QStringLiteral("B"), QColor(0, 255, 0),
                twRect(1920, 420, 360, 480));
    titleLetter(this, "Bezeichnung5", QStringLiteral(" - Z  a  h  l "), Qt::white,
                twRect(2280, 420, 3000, 480));

    notice_ = new Label(QStringLiteral("Bezeichnung6"), this);
    notice_->setBackground(navy);
    notice_->setForeground(Qt::white);
    notice_->setPointSize(8);
    notice_->setWordWrap(true);
    notice_->setAlignment(Qt::AlignCenter);
    notice_->setGeometry(twRect(480, 1080, 5640, 1080));

    author_ = new Label(QStringLiteral("Bezeichnung7"), this);
    author_->setBackground(QColor(255, 255, 192));
    author_->setForeground(Qt::black);
    author_->setAlignment(Qt::AlignCenter);
    author_->setGeometry(twRect(960, 2280, 4680, 600));

    auto *okayLabel = titleLetter(this, "Bezeichnung1", QStringLiteral("O k a y"),
                                  QColor(255, 0, 0), twRect(2400, 3120, 1800, 540));
    okayLabel->setAlignment(Qt::AlignCenter);
    okayLabel->setCursor(Qt::PointingHandCursor);
    okayLabel->setAccessibleName(QStringLiteral("Okay"));

    picture_ = new Label(QStringLiteral("Bild1"), this);
    auto *picture = picture_;
    picture->setPixmap(iconPicture(1, 1));
    picture->setGeometry(twRect(600, 3120, 480, 480));
    picture->setCursor(Qt::PointingHandCursor);
    picture->setAccessibleName(QStringLiteral("Bild: schließt die Programm-Info"));

    connect(okayLabel, &Label::clicked, this, &InfoScreen::okay);
    connect(picture, &Label::clicked, this, &InfoScreen::okay);
}

bool InfoScreen::commandKey(int code) {
    if (code != KeyCode::Enter && code != KeyCode::Space)
        return Screen::commandKey(code);
    okay();
    return true;
}

QString InfoScreen::noticeText() {
    return QStringLiteral("Dieses Programm darf kostenlos weitergegeben, aber nicht verkauft "
                          "werden. Alle Rechte bleiben beim Herausgeber.");
}

QString InfoScreen::authorText() {
    return QStringLiteral("ZUB-Zahlen, Ausgabe 2026, vom ZUB-Team\r\n"
                          "E-Mail: siehe Begleitheft des Programms");
}

void InfoScreen::scaleChanged() {
    picture_->setPixmap(iconPicture(scale().factor, devicePixelRatioF()));
}

void InfoScreen::showEvent(QShowEvent *event) {
    // The texts and the place are set again at every showing, so the screen
    // always comes back where it belongs.
    notice_->setText(noticeText());
    author_->setText(authorText());
    placeUpperQuarter();
    Screen::showEvent(event);
}
