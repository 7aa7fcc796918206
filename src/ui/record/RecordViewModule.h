#pragma once

#include <QString>
#include <QtPlugin>

#include <functional>

class ClassServer;
class RecordStore;
class Screen;

// What a learning record view tells the program it was opened from.
struct RecordViewLinks {
    // One worksheet task of the type drawn from the range is wanted.
    std::function<void(const QString &type, int range)> appendTask;
    // A child was renamed; the practising child follows.
    std::function<void(const QString &from, const QString &to)> childRenamed;
    std::function<void()> childrenChanged;
};

// The learning record's views live in a module of their own, loaded when a
// view is first opened: Qt Charts and everything else only they use stay out
// of the program's start-up.
class RecordViewModule {
public:
    virtual ~RecordViewModule() = default;
    // A new "Lernstand" view over the store, showing the child's record
    // ("" = the login account's own) of all time.
    virtual Screen *createRecordView(RecordStore &store, const QString &child,
                                     const RecordViewLinks &links) = 0;
    // The view made above shows the class server's state and, for a
    // teacher, the classes; called once, when both exist.
    virtual void attachClassServer(Screen *view, ClassServer &server) = 0;
};

#define RecordViewModule_iid "org.example.zubzahlen.RecordViewModule/2"
Q_DECLARE_INTERFACE(RecordViewModule, RecordViewModule_iid)
