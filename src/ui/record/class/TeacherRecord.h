#pragma once

#include "ServerJobs.h"
#include "core/record/Period.h"
#include "store/class/ClassQueries.h"

#include <QObject>

class ClassPanel;
class ClassServer;
class QComboBox;
class QLabel;
class RecordView;

// The learning record view as a teacher connected to the class server sees
// it: the classes and their children in the choice "Kind", a child's answers
// from every computer, the class panel, children added, renamed and removed
// on the server, and the daily deletion of answers older than the class
// keeps them. Every question to the server goes through `submit`; until the
// answer comes the view stays as it is and says what it waits for.
class TeacherRecord : public QObject {
    Q_OBJECT
public:
    enum class State { Unknown, Offline, NotTeacher, Teacher };

    TeacherRecord(RecordView &view, ServerSubmit submit);

    // The view's teacher's side through the program's class server; it asks
    // again whenever the server's state changes while the view is open.
    static TeacherRecord *attach(RecordView &view, ClassServer &server);

    State state() const { return state_; }
    const QStringList &classes() const { return classes_; }
    ClassPanel &panel() { return *panel_; }

    // Asks the server for the classes and children again; clears what is
    // older than each class keeps, once a day. Then `select` is chosen in
    // the list (by default what is chosen now).
    void update(const QString &select = QString());

    // The classes and the server's children at the top of the list.
    void addEntries(QComboBox *box) const;
    // Whether an entry of the list is the server's; the keys of its entries.
    static bool owns(const QString &entry);
    static QString classEntry(const QString &className);
    static QString childEntry(const QString &id);

    // Shows the entry when it is the server's (true), the answers on their way.
    bool shows(const QString &entry, Period period);

    // The view's buttons, when they concern the server (true): handled here.
    bool addChild(const QString &entry);
    bool renameChild(const QString &entry);
    bool removeChild(const QString &entry);
    bool deleteAnswers(const QString &entry);

signals:
    // The server answered (or did not): the list and the view are up to date.
    void updated();

private:
    void received(const QVariant &answer, const QString &select);
    const ServerChild *child(const QString &entry) const;
    // False for an entry that is not the server's; else acts on its child, if there is one.
    bool onChild(const QString &entry, const std::function<void(const ServerChild &)> &act);
    QString classOf(const QString &entry) const;
    // Runs a change; on success the list is read again with `select` chosen.
    void change(ServerJob job, const QString &failure, const QString &select);
    void showClass(const QString &className, Period period);
    // The class panel's buttons that need the server.
    void makeWorksheets();
    void saveAnswersCsv();
    void keepMonths(int months);

    RecordView &view_;
    ServerSubmit submit_;
    State state_ = State::Unknown;
    QStringList classes_;
    QList<ServerChild> children_;
    QHash<QString, ClassQueries::Keeping> keeping_;
    QLabel *note_;
    ClassPanel *panel_;
    int request_ = 0; // answers to older requests are not shown
};
