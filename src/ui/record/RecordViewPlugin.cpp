#include "RecordViewPlugin.h"

#include "ClassServerLine.h"
#include "RecordView.h"
#include "class/TeacherRecord.h"

Screen *RecordViewPlugin::createRecordView(RecordStore &store, const QString &child,
                                           const RecordViewLinks &links) {
    auto *view = new RecordView(store);
    view->setWorksheetAppender(links.appendTask);
    if (links.childRenamed)
        QObject::connect(view, &RecordView::childRenamed, view, links.childRenamed);
    if (links.childrenChanged)
        QObject::connect(view, &RecordView::childrenChanged, view, links.childrenChanged);
    view->choose(child, Period::All);
    return view;
}

void RecordViewPlugin::attachClassServer(Screen *view, ClassServer &server) {
    auto *recordView = static_cast<RecordView *>(view);
    recordView->classServerLine().watch(&server);
    TeacherRecord::attach(*recordView, server);
}
