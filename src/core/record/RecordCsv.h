#pragma once

#include "AnswerRecord.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// The answers as a spreadsheet opens them: UTF-8 with BOM, ';' separated,
// a header row, CR LF. A cell beginning with = + - @ (or tab or CR) gets a
// leading apostrophe so that no spreadsheet runs it as a formula; quotes are
// doubled; cells with ; " or line breaks are quoted.
QByteArray answersToCsv(const QList<AnswerRecord> &answers);

struct ClassRow;
// The class table in the same form: per child the name, per exercise the
// share right at the first try, the tasks and the colour as a word, then
// the last day practised and the practice time in minutes.
QByteArray classTableToCsv(const QList<ClassRow> &rows, const QStringList &exercises);

namespace RecordCsv {
// One cell, neutralised and quoted as above.
QString cell(const QString &text);
} // namespace RecordCsv
