// What the class panel's buttons ask of the server: a worksheet for every
// child, all the class's answers as CSV, and how long answers are kept.
#include "ClassPanel.h"
#include "TeacherRecord.h"
#include "ui/Dialogs.h"
#include "ui/record/RecordView.h"
#include "ui/worksheets/WorksheetPrinting.h"

#include <QSaveFile>

namespace {

const QString sheetsTitle = QStringLiteral("Arbeitsblätter für die Klasse");

// One worksheet per child in the table's order, a page break before each
// but the first; the children who did not practise are named.
struct ClassSheets {
    QString sheets;
    QString keys;
    QStringList without;
};

ClassSheets compose(const QList<ClassRow> &rows, const QHash<QString, QList<PractisedSpot>> &spots,
                    const QDate &day) {
    ClassSheets result;
    for (const ClassRow &row : rows) {
        const QList<SheetTask> tasks = ClassWorksheets::choose(spots.value(row.childId));
        if (tasks.isEmpty()) {
            result.without << row.name;
            continue;
        }
        const ChildSheet sheet = ClassWorksheets::sheet(row.name, day, tasks);
        const QString start =
            result.sheets.isEmpty() ? QString() : QString(WorksheetPrinting::pageBreak);
        result.sheets += start + sheet.sheet;
        result.keys += start + sheet.key;
    }
    return result;
}

} // namespace

void TeacherRecord::makeWorksheets() {
    const QString className = panel_->className();
    const QDateTime from = periodStart(view_.period(), view_.now());
    submit_(ClassJobs::practisedSpots(className, from), this, [this](const QVariant &answer) {
        if (!answer.isValid())
            return void(msgBox(QStringLiteral("Der Klassenserver ist nicht erreichbar.\r"),
                               MsgIcon::Critical, MsgButtons::Ok, sheetsTitle));
        const ClassSheets sheets =
            compose(panel_->rows(), answer.value<QHash<QString, QList<PractisedSpot>>>(),
                    view_.now().date());
        if (sheets.sheets.isEmpty())
            return void(msgBox(QStringLiteral("In diesem Zeitraum hat kein Kind der Klasse "
                                              "geübt.\r"),
                               MsgIcon::Information, MsgButtons::Ok, sheetsTitle));
        QString prompt = QStringLiteral("Ein Arbeitsblatt mit Lösungen für jedes Kind der "
                                        "Klasse %1, aus seinen eigenen Fehlern.")
                             .arg(panel_->className());
        if (!sheets.without.isEmpty())
            prompt += QStringLiteral("\nOhne Blatt, weil sie nicht geübt haben: %1.")
                          .arg(sheets.without.join(QStringLiteral(", ")));
        const int choice = choiceBox(
            prompt + QLatin1Char('\r'), MsgIcon::Question,
            {QStringLiteral("Drucken"), QStringLiteral("PDF"), QStringLiteral("Abbrechen")},
            sheetsTitle);
        WorksheetOutput &output = view_.output();
        using Document = WorksheetOutput::Document;
        if (choice == 0) {
            output.print(Document::ClassSheets, sheets.sheets);
            output.print(Document::ClassKeys, sheets.keys);
        } else if (choice == 1 &&
                   output.savePdf(Document::ClassSheets, sheets.sheets, sheetsTitle)) {
            // The keys beside the sheets, offered under the sheets' name.
            output.savePdf(Document::ClassKeys, sheets.keys, sheetsTitle);
        }
    });
}

void TeacherRecord::saveAnswersCsv() {
    const QString path =
        panel_->askCsvPath(QStringLiteral("Alle Antworten der Klasse als CSV-Datei speichern"),
                           QStringLiteral("Antworten"));
    if (path.isEmpty())
        return;
    const QString className = panel_->className();
    const QDateTime from = periodStart(view_.period(), view_.now());
    submit_(ClassJobs::classAnswersCsv(className, from), this, [path](const QVariant &answer) {
        QSaveFile file(path);
        const bool ok = answer.isValid() && file.open(QIODevice::WriteOnly) &&
                        file.write(answer.toByteArray()) >= 0 && file.commit();
        if (!ok)
            msgBox(answer.isValid()
                       ? QStringLiteral("Die CSV-Datei konnte nicht geschrieben werden!\r")
                       : QStringLiteral("Der Klassenserver ist nicht erreichbar.\r"),
                   MsgIcon::Critical, MsgButtons::Ok, QStringLiteral("CSV"));
    });
}

void TeacherRecord::keepMonths(int months) {
    const QString className = panel_->className();
    if (keeping_.value(className).months == months)
        return;
    submit_(ClassJobs::setKeepMonths(className, months), this,
            [this, className, months](const QVariant &answer) {
                if (!answer.toBool())
                    return void(msgBox(QStringLiteral("Die Aufbewahrungszeit konnte auf dem "
                                                      "Klassenserver nicht geändert werden!\r"),
                                       MsgIcon::Critical, MsgButtons::Ok,
                                       QStringLiteral("Aufbewahrung")));
                keeping_[className].months = months;
            });
}
