#include "AppendedTasks.h"

#include <QHash>

#include <set>

namespace {

const QString lineEnd = QStringLiteral("\r\n");

// The sheet with every line ending in CR LF, as the dialog writes it anyway.
QString withCrLf(const QString &sheet) {
    if (sheet.count(QLatin1Char('\n')) == sheet.count(lineEnd))
        return sheet;
    QString plain = sheet;
    return plain.replace(lineEnd, QStringLiteral("\n")).replace(QLatin1Char('\n'), lineEnd);
}

// Where each line of a CR LF text starts and ends (without its line end);
// the end after the last line opens one more, empty line.
struct Line {
    qsizetype start;
    qsizetype end;
};

QList<Line> linesOf(const QString &text) {
    QList<Line> lines;
    qsizetype start = 0;
    for (qsizetype at = text.indexOf(lineEnd); at >= 0; at = text.indexOf(lineEnd, start)) {
        lines << Line{start, at};
        start = at + lineEnd.size();
    }
    lines << Line{start, text.size()};
    return lines;
}

// A task's lines as they stand on the sheet, without the last line end.
QString onSheet(const QString &lineStart, const QString &taskText) {
    const QString text = taskText.endsWith(lineEnd) ? taskText.chopped(lineEnd.size()) : taskText;
    return lineStart + text;
}

} // namespace

void AppendedTasks::add(const QString &type, const QString &lineStart, const QString &taskText) {
    const WorksheetKey::Rule rule = WorksheetKey::ruleFor(type);
    if (rule && !taskText.isEmpty())
        tasks_ << Task{rule, lineStart, taskText};
}

QString AppendedTasks::answerKey(const QString &sheet) const {
    // The appended tasks by the hash of the lines they make; each is used once.
    QList<QString> blocks;
    blocks.reserve(tasks_.size());
    QHash<size_t, QList<qsizetype>> unused;
    std::set<qsizetype, std::greater<>> blockSizes;
    for (const Task &task : tasks_) {
        blocks << onSheet(task.lineStart, task.text);
        unused[qHash(blocks.last())] << blocks.size() - 1;
        blockSizes.insert(blocks.last().count(lineEnd) + 1);
    }

    const QString text = withCrLf(sheet);
    const QList<Line> lines = linesOf(text);
    QString key;
    key.reserve(text.size() + text.size() / 4);
    for (qsizetype at = 0; at < lines.size();) {
        if (at > 0)
            key += lineEnd;
        qsizetype taken = 0;
        for (qsizetype size : blockSizes) {
            if (at + size > lines.size())
                continue;
            const qsizetype start = lines[at].start;
            const QStringView block(text.constData() + start, lines[at + size - 1].end - start);
            const auto found = unused.find(qHash(block));
            if (found == unused.end())
                continue;
            // The last of equal tasks goes first: taking it moves nothing.
            qsizetype same = found->size() - 1;
            while (same >= 0 && blocks[found->at(same)] != block)
                --same;
            if (same < 0)
                continue;
            const Task &task = tasks_[found->takeAt(same)];
            key += onSheet(task.lineStart, task.rule(task.text));
            taken = size;
            break;
        }
        if (taken == 0) {
            key += QStringView(text).mid(lines[at].start, lines[at].end - lines[at].start);
            taken = 1;
        }
        at += taken;
    }
    return key;
}
