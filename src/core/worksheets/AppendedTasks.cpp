#include "AppendedTasks.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <set>

namespace {

const QString lineEnd = QStringLiteral("\r\n");

// The lines of a text, without their ends; the end after the last line opens
// no line of its own unless keepLast says so.
QStringList linesOf(const QString &text, bool keepLast) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (!keepLast && lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The lines of one appended task as they stand on the sheet.
QStringList taskLines(const QString &lineStart, const QString &text) {
    QStringList lines = linesOf(text, false);
    lines.first().prepend(lineStart);
    return lines;
}

QString blockKey(const QStringList &lines, qsizetype from, qsizetype count) {
    QString key = lines[from];
    for (qsizetype k = 1; k < count; ++k)
        key += QLatin1Char('\n') + lines[from + k];
    return key;
}

} // namespace

void AppendedTasks::add(const QString &type, const QString &lineStart, const QString &taskText) {
    const WorksheetKey::Rule rule = WorksheetKey::ruleFor(type);
    if (rule && !taskText.isEmpty())
        tasks_ << Task{rule, lineStart, taskText};
}

QString AppendedTasks::answerKey(const QString &sheet) const {
    // The appended tasks by the lines they make, each one usable once.
    QHash<QString, QList<qsizetype>> unused;
    std::set<qsizetype, std::greater<>> blockSizes;
    for (qsizetype t = 0; t < tasks_.size(); ++t) {
        const QStringList lines = taskLines(tasks_[t].lineStart, tasks_[t].text);
        unused[lines.join(QLatin1Char('\n'))] << t;
        blockSizes.insert(lines.size());
    }

    const QStringList lines = linesOf(sheet, true);
    QStringList key;
    key.reserve(lines.size());
    for (qsizetype at = 0; at < lines.size();) {
        qsizetype taken = 0;
        for (qsizetype size : blockSizes) {
            if (at + size > lines.size())
                continue;
            const auto found = unused.find(blockKey(lines, at, size));
            if (found == unused.end() || found->isEmpty())
                continue;
            const Task &task = tasks_[found->takeLast()];
            key += taskLines(task.lineStart, task.rule(task.text));
            taken = size;
            break;
        }
        if (taken == 0) {
            key << lines[at];
            taken = 1;
        }
        at += taken;
    }
    return key.join(lineEnd);
}
