#include "Dialogs.h"

#include <QApplication>
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
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (buttons == MsgButtons::Ok)
        return MsgResult::Ok;
    return clicked == box.button(QMessageBox::Yes) ? MsgResult::Yes : MsgResult::No;
}

QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) {
    installGermanTranslations();
    QInputDialog dialog;
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setInputMode(QInputDialog::TextInput);
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
