#pragma once

#include "AnswerRecord.h"

#include <QByteArray>
#include <QList>

// The answers as a spreadsheet opens them: UTF-8 with BOM, ';' separated,
// a header row, CR LF. A cell beginning with = + - @ (or tab or CR) gets a
// leading apostrophe so that no spreadsheet runs it as a formula; quotes are
// doubled; cells with ; " or line breaks are quoted.
QByteArray answersToCsv(const QList<AnswerRecord> &answers);

namespace RecordCsv {
// One cell, neutralised and quoted as above.
QString cell(const QString &text);
} // namespace RecordCsv
