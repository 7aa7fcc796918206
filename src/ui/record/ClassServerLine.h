#pragma once

#include "store/ClassServerStatus.h"

#include <QDateTime>
#include <QLabel>
#include <QPointer>

class ClassServer;

// The class server's state in the Lernstand view: not configured, connected
// as a computer or a teacher, answers waiting, the last batch, the last
// problem in words. The teacher sees it here; the child never gets a box.
class ClassServerLine : public QLabel {
    Q_OBJECT
public:
    explicit ClassServerLine(QWidget *parent = nullptr);

    // nullptr: no class server configured on this computer.
    void watch(ClassServer *server);

    // The line's German text for a status of the named service.
    static QString text(const QString &service, const ClassServerStatus &status);

private:
    void show(const ClassServerStatus &status);

    QPointer<ClassServer> server_;
};
