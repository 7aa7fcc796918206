#pragma once

#include "WorksheetKey.h"

#include <QList>
#include <QString>

// The tasks the worksheet dialog appended, each as it went in, so that the
// answer key can find them again in whatever the sheet says now. A block of
// lines that is still exactly an appended task gets that task's answers;
// every other line (typed by hand, or a task line edited since) is copied as
// it is. Each appended task answers one block only, so deleting, doubling or
// reordering lines never moves an answer to a line it does not belong to.
class AppendedTasks {
public:
    // lineStart is what the sheet's last line held when the task went in
    // after it (usually nothing); taskText is the task's own text, CR LF ends.
    void add(const QString &type, const QString &lineStart, const QString &taskText);
    void clear() { tasks_.clear(); }
    qsizetype size() const { return tasks_.size(); }

    // The sheet with the answers filled in: the same lines in the same order.
    // Any line end in the sheet reads as one; the key's lines end in CR LF.
    QString answerKey(const QString &sheet) const;

private:
    struct Task {
        WorksheetKey::Rule rule;
        QString lineStart;
        QString text;
    };
    QList<Task> tasks_;
};
