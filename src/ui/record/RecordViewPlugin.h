#pragma once

#include "ui/record/RecordViewModule.h"

#include <QObject>

// The record module's entry point, found by QPluginLoader.
class RecordViewPlugin : public QObject, public RecordViewModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RecordViewModule_iid)
    Q_INTERFACES(RecordViewModule)
public:
    Screen *createRecordView(RecordStore &store, const QString &child,
                             const RecordViewLinks &links) override;
    void attachClassServer(Screen *view, ClassServer &server) override;
};
