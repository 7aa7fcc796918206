#include "Dialogs.h"

#include "BoxScale.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

namespace {

QMessageBox::Icon qtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Room for the whole title in the title bar: the title in a bold face a
// little larger than the text's (window managers often draw titles so), and
// the frame's icon and buttons beside it.
int widthForTitle(const QString &title) {
    QFont font = BoxScale::font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    constexpr int frameButtons = 160;
    return QFontMetrics(font).horizontalAdvance(title) + frameButtons;
}

// QMessageBox sizes itself to its text; a spacer across its grid widens it.
void makeRoomForTitle(QMessageBox &box, const QString &title) {
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(widthForTitle(title), 0, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

MsgResult msgBox(const QString &prompt, MsgIcon icon, MsgButtons buttons, const QString &title) {
    installGermanTranslations();
    // No parent: a box is never a child of a screen, so no screen's key
    // handler ever sees the keys typed into it.
    QMessageBox box(qtIcon(icon), title, prompt);
    box.setTextFormat(Qt::PlainText);
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    BoxScale::likeFront(box);
    makeRoomForTitle(box, title);
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (buttons == MsgButtons::Ok)
        return MsgResult::Ok;
    return clicked == box.button(QMessageBox::Yes) ? MsgResult::Yes : MsgResult::No;
}

int choiceBox(const QString &prompt, MsgIcon icon, const QStringList &buttons,
              const QString &title) {
    installGermanTranslations();
    QMessageBox box(qtIcon(icon), title, prompt);
    box.setTextFormat(Qt::PlainText);
    QList<QPushButton *> choices;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const bool wayOut = i == buttons.size() - 1;
        choices << box.addButton(buttons[i],
                                 wayOut ? QMessageBox::RejectRole : QMessageBox::ActionRole);
    }
    if (!choices.isEmpty()) {
        box.setDefaultButton(choices.first());
        box.setEscapeButton(choices.last());
    }
    BoxScale::likeFront(box);
    makeRoomForTitle(box, title);
    box.exec();
    return int(choices.indexOf(qobject_cast<QPushButton *>(box.clickedButton())));
}

QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) {
    installGermanTranslations();
    QInputDialog dialog;
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setInputMode(QInputDialog::TextInput);
    BoxScale::likeFront(dialog);
    dialog.setMinimumWidth(widthForTitle(title));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

void installGermanTranslations() {
    static bool done = false;
    if (done)
        return;
    done = true;
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale german(QLocale::German, QLocale::Germany);
    auto *translator = new QTranslator(qApp);
    if (translator->load(german, QStringLiteral("qtbase"), QStringLiteral("_"), dir))
        QCoreApplication::installTranslator(translator);
}
