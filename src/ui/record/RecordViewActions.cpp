// What the buttons of the learning record view do: files, paper, the
// worksheet, the children's names and deleting.
#include "RecordView.h"

#include "class/TeacherRecord.h"
#include "core/record/RecordCsv.h"
#include "core/record/RecordStatistics.h"
#include "store/RecordStore.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

constexpr int weakSpotsToPractise = 3;
constexpr int tasksPerWeakSpot = 2;

const QString csvTitle = QStringLiteral("CSV");
const QString childrenTitle = QStringLiteral("Kinder");
const QString deleteTitle = QStringLiteral("Lernstand löschen");

void failed(const QString &what, const QString &title) {
    msgBox(what + QLatin1Char('\r'), MsgIcon::Critical, MsgButtons::Ok, title);
}

// A file name from a child's name: no folder separators or other
// characters a file system might refuse.
QString fileNamePart(const QString &name) {
    static const QRegularExpression unsafe(QStringLiteral("[^\\w -]+"));
    const QString part = QString(name).replace(unsafe, QStringLiteral("_")).left(40).trimmed();
    return part.isEmpty() ? QStringLiteral("Konto") : part;
}

} // namespace

void RecordView::saveCsv() {
    const QString suggested = QDir::home().filePath(
        QStringLiteral("Lernstand-%1-%2.csv")
            .arg(fileNamePart(child()), now_().date().toString(QStringLiteral("yyyy-MM-dd"))));
    const QString path =
        askCsvPath_(this, QStringLiteral("Antworten als CSV-Datei speichern"), suggested);
    if (path.isEmpty())
        return;
    // Written whole or not at all: an old file of that name stays until the new one is complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(answersToCsv(answers_)) < 0 ||
        !file.commit())
        failed(QStringLiteral("Die CSV-Datei konnte nicht geschrieben werden!"), csvTitle);
}

void RecordView::print() {
    output_.print(WorksheetOutput::Document::Record, summaryText());
}

void RecordView::savePdf() {
    output_.savePdf(WorksheetOutput::Document::Record, summaryText(), QStringLiteral("PDF"));
}

void RecordView::appendToWorksheet() {
    const QList<WeakSpot> spots = RecordStatistics::weakSpots(answers_, weakSpotsToPractise);
    if (spots.isEmpty() || !appendTask_) {
        msgBox(QStringLiteral("In diesem Zeitraum gab es keine Fehler.\r"), MsgIcon::Information,
               MsgButtons::Ok, QStringLiteral("Als Arbeitsblatt"));
        return;
    }
    for (const WeakSpot &spot : spots)
        for (int i = 0; i < tasksPerWeakSpot; ++i)
            appendTask_(spot.exercise, spot.range);
    // Back to the worksheet, where the new tasks stand at the end.
    leave();
}

void RecordView::addChild() {
    if (teacher_ && teacher_->addChild(child()))
        return;
    const QString name = inputBox(QStringLiteral("Name des Kindes:"), childrenTitle).trimmed();
    if (name.isEmpty())
        return;
    if (store_.children().contains(name)) {
        msgBox(QStringLiteral("Den Namen „%1“ gibt es schon.\r").arg(name), MsgIcon::Information,
               MsgButtons::Ok, childrenTitle);
        return;
    }
    if (!store_.addChild(name))
        return failed(QStringLiteral("Der Name konnte nicht gespeichert werden!"), childrenTitle);
    fillChildren(name);
    refresh();
    emit childrenChanged();
}

void RecordView::renameChild() {
    const QString from = child();
    if (from.isEmpty() || (teacher_ && teacher_->renameChild(from)))
        return;
    const QString to =
        inputBox(QStringLiteral("Neuer Name für „%1“:").arg(from), childrenTitle, from).trimmed();
    if (to.isEmpty() || to == from)
        return;
    if (store_.children().contains(to)) {
        msgBox(QStringLiteral("Den Namen „%1“ gibt es schon.\r").arg(to), MsgIcon::Information,
               MsgButtons::Ok, childrenTitle);
        return;
    }
    if (!store_.renameChild(from, to))
        return failed(QStringLiteral("Der Name konnte nicht geändert werden!"), childrenTitle);
    fillChildren(to);
    refresh();
    emit childRenamed(from, to);
    emit childrenChanged();
}

void RecordView::removeChild() {
    const QString name = child();
    if (teacher_ && teacher_->removeChild(name))
        return;
    if (name.isEmpty() ||
        msgBox(QStringLiteral("„%1“ und den Lernstand dieses Kindes löschen?\r").arg(name),
               MsgIcon::Question, MsgButtons::YesNo, childrenTitle) != MsgResult::Yes)
        return;
    if (!store_.removeAnswers(name) || !store_.removeChild(name))
        failed(QStringLiteral("Der Lernstand konnte nicht gelöscht werden!"), childrenTitle);
    fillChildren(QString());
    refresh();
    emit childrenChanged();
}

void RecordView::deleteRecord() {
    if (teacher_ && teacher_->deleteAnswers(child()))
        return;
    const int choice = choiceBox(QStringLiteral("Was soll gelöscht werden?\r"), MsgIcon::Question,
                                 {QStringLiteral("Lernstand von „%1“").arg(childLabel()),
                                  QStringLiteral("Alles"), QStringLiteral("Abbrechen")},
                                 deleteTitle);
    if (choice != 0 && choice != 1)
        return;
    const QString question =
        choice == 0 ? QStringLiteral("Alle Antworten von „%1“ löschen?").arg(childLabel())
                    : QStringLiteral("Den ganzen Lernstand mit allen Namen löschen?");
    if (msgBox(question + QStringLiteral("\nDas lässt sich nicht rückgängig machen.\r"),
               MsgIcon::Question, MsgButtons::YesNo, deleteTitle) != MsgResult::Yes)
        return;
    if (!(choice == 0 ? store_.removeAnswers(child()) : store_.removeAll()))
        failed(QStringLiteral("Der Lernstand konnte nicht gelöscht werden!"), deleteTitle);
    fillChildren(choice == 0 ? child() : QString());
    refresh();
    if (choice == 1)
        emit childrenChanged();
}
