#include "TeacherRecord.h"

#include "ClassPanel.h"
#include "store/ClassServer.h"
#include "ui/Dialogs.h"
#include "ui/record/RecordView.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString entryMark = QStringLiteral("\x1f");
const QString childrenTitle = QStringLiteral("Kinder");
const QString unreachable = QStringLiteral(
    "Der Klassenserver ist nicht erreichbar. Gezeigt wird der Lernstand dieses Computers.");

} // namespace

TeacherRecord::TeacherRecord(RecordView &view, ServerSubmit submit)
    : QObject(&view), view_(view), submit_(std::move(submit)) {
    note_ = new QLabel(&view);
    note_->setObjectName(QStringLiteral("KlassenserverHinweis"));
    note_->setWordWrap(true);
    note_->hide();
    if (auto *layout = qobject_cast<QVBoxLayout *>(view.layout()))
        layout->insertWidget(1, note_);
    panel_ = new ClassPanel(view.output(), &view);
    panel_->hide();
    connect(panel_, &ClassPanel::childOpened, this,
            [this](const QString &id) { view_.choose(childEntry(id), view_.period()); });
    connect(panel_, &ClassPanel::worksheetsRequested, this, &TeacherRecord::makeWorksheets);
    connect(panel_, &ClassPanel::answersCsvRequested, this, &TeacherRecord::saveAnswersCsv);
    connect(panel_, &ClassPanel::keepMonthsChosen, this, &TeacherRecord::keepMonths);
    view.setTeacher(this);
}

TeacherRecord *TeacherRecord::attach(RecordView &view, ClassServer &server) {
    auto *teacher =
        new TeacherRecord(view, [&server](ServerJob job, QObject *context, ServerDone done) {
            server.submit(std::move(job), context, std::move(done));
        });
    connect(&server, &ClassServer::statusChanged, teacher,
            [teacher, &view](const ClassServerStatus &status) {
                const bool teaching = status.state == ClassServerStatus::State::Teacher;
                if (view.isVisible() && teaching != (teacher->state() == State::Teacher))
                    teacher->update();
            });
    return teacher;
}

QString TeacherRecord::classEntry(const QString &className) {
    return entryMark + QStringLiteral("K") + className;
}

QString TeacherRecord::childEntry(const QString &id) {
    return entryMark + QStringLiteral("C") + id;
}

bool TeacherRecord::owns(const QString &entry) {
    return entry.startsWith(entryMark);
}

const ServerChild *TeacherRecord::child(const QString &entry) const {
    for (const ServerChild &c : children_)
        if (childEntry(c.id) == entry)
            return &c;
    return nullptr;
}

QString TeacherRecord::classOf(const QString &entry) const {
    if (const ServerChild *c = child(entry))
        return c->className;
    for (const QString &name : classes_)
        if (classEntry(name) == entry)
            return name;
    return QString();
}

void TeacherRecord::update(const QString &chosen) {
    const QDateTime now = view_.now();
    const QString select = chosen.isEmpty() ? view_.child() : chosen;
    submit_(ClassJobs::teacherSnapshot(now), this,
            [this, select](const QVariant &answer) { received(answer, select); });
}

void TeacherRecord::received(const QVariant &answer, const QString &select) {
    const bool was = state_ == State::Teacher;
    if (!answer.isValid()) {
        state_ = State::Offline;
        classes_.clear();
        children_.clear();
    } else {
        const TeacherSnapshot snapshot = answer.value<TeacherSnapshot>();
        classes_ = snapshot.classes;
        children_ = snapshot.children;
        keeping_ = snapshot.keeping;
        state_ = classes_.isEmpty() ? State::NotTeacher : State::Teacher;
    }
    note_->setText(unreachable);
    note_->setVisible(state_ == State::Offline);
    // A child chosen from the server while it is gone: back to this computer's record.
    view_.fillChildren(select);
    if (was || state_ == State::Teacher || owns(select))
        view_.refresh();
    emit updated();
}

void TeacherRecord::addEntries(QComboBox *box) const {
    if (state_ != State::Teacher)
        return;
    for (const QString &name : classes_)
        box->addItem(QStringLiteral("Klasse %1").arg(name), classEntry(name));
    for (const ServerChild &c : children_)
        box->addItem(classes_.size() > 1 ? QStringLiteral("%1 (%2)").arg(c.name, c.className)
                                         : c.name,
                     childEntry(c.id));
}

bool TeacherRecord::shows(const QString &entry, Period period) {
    if (!owns(entry))
        return false;
    const int request = ++request_;
    if (const ServerChild *c = child(entry)) {
        view_.showPanel(nullptr);
        view_.showAnswers({});
        view_.showStatus(QStringLiteral("Die Antworten kommen vom Klassenserver …"));
        const QString id = c->id;
        const QString name = c->name;
        const QDateTime from = periodStart(period, view_.now());
        submit_(ClassJobs::childAnswers(id, name, from), this,
                [this, request](const QVariant &answer) {
                    if (request != request_)
                        return;
                    if (!answer.isValid())
                        return view_.showStatus(unreachable);
                    view_.showAnswers(answer.value<QList<AnswerRecord>>());
                });
        return true;
    }
    showClass(classOf(entry), period);
    return true;
}

void TeacherRecord::showClass(const QString &className, Period period) {
    const int request = request_;
    QList<ClassTable::Child> members;
    for (const ServerChild &c : children_)
        if (c.className == className)
            members.append({c.id, c.name});
    panel_->showLoading(className, periodName(period), members, keeping_.value(className));
    view_.showPanel(panel_);
    const QDateTime from = periodStart(period, view_.now());
    submit_(ClassJobs::classFigures(className, from, ClassPanel::mistakesShown), this,
            [this, request](const QVariant &answer) {
                if (request != request_)
                    return;
                if (!answer.isValid())
                    return panel_->showFailure(unreachable);
                const QVariantList parts = answer.toList();
                panel_->showFigures(parts[0].value<QList<ClassCell>>(),
                                    parts[1].value<ClassQueries::MistakeCounts>());
            });
}

void TeacherRecord::change(ServerJob job, const QString &failure, const QString &select) {
    submit_(std::move(job), this, [this, failure, select](const QVariant &answer) {
        if (!answer.toBool()) {
            msgBox(failure + QLatin1Char('\r'), MsgIcon::Critical, MsgButtons::Ok, childrenTitle);
            return;
        }
        update(select);
    });
}

bool TeacherRecord::addChild(const QString &entry) {
    if (state_ != State::Teacher)
        return false;
    QString className = classOf(entry);
    if (className.isEmpty() && classes_.size() == 1)
        className = classes_.first();
    if (className.isEmpty()) {
        QStringList buttons = classes_;
        buttons << QStringLiteral("Abbrechen");
        const int chosen = choiceBox(QStringLiteral("In welche Klasse kommt das Kind?\r"),
                                     MsgIcon::Question, buttons, childrenTitle);
        if (chosen < 0 || chosen >= classes_.size())
            return true;
        className = classes_[chosen];
    }
    const QString name =
        inputBox(QStringLiteral("Name des Kindes in der Klasse %1:").arg(className), childrenTitle)
            .trimmed();
    if (name.isEmpty())
        return true;
    for (const ServerChild &c : children_)
        if (c.className == className && c.name == name) {
            msgBox(QStringLiteral("Den Namen „%1“ gibt es in der Klasse %2 schon.\r")
                       .arg(name, className),
                   MsgIcon::Information, MsgButtons::Ok, childrenTitle);
            return true;
        }
    submit_(ClassJobs::addChild(className, name), this, [this](const QVariant &answer) {
        if (!answer.isValid())
            return void(msgBox(
                QStringLiteral("Der Name konnte nicht auf dem Klassenserver gespeichert werden!\r"),
                MsgIcon::Critical, MsgButtons::Ok, childrenTitle));
        update(childEntry(answer.toString()));
    });
    return true;
}

bool TeacherRecord::onChild(const QString &entry,
                            const std::function<void(const ServerChild &)> &act) {
    if (!owns(entry))
        return false;
    // A copy: a box lets the server's answers in, and the list may change under it.
    if (const ServerChild *c = child(entry))
        act(ServerChild(*c));
    return true;
}

bool TeacherRecord::renameChild(const QString &entry) {
    return onChild(entry, [this, entry](const ServerChild &c) {
        const QString to =
            inputBox(QStringLiteral("Neuer Name für „%1“:").arg(c.name), childrenTitle, c.name)
                .trimmed();
        if (to.isEmpty() || to == c.name)
            return;
        const QString id = c.id;
        change(ClassJobs::renameChild(id, to),
               QStringLiteral("Der Name konnte auf dem Klassenserver nicht geändert werden!"),
               entry);
    });
}

bool TeacherRecord::removeChild(const QString &entry) {
    return onChild(entry, [this](const ServerChild &c) {
        if (msgBox(QStringLiteral("„%1“ und den Lernstand dieses Kindes löschen?\n"
                                  "Auch alle Antworten auf dem Klassenserver werden gelöscht.\r")
                       .arg(c.name),
                   MsgIcon::Question, MsgButtons::YesNo, childrenTitle) != MsgResult::Yes)
            return;
        const QString id = c.id;
        change(ClassJobs::removeChild(id),
               QStringLiteral("Das Kind konnte auf dem Klassenserver nicht gelöscht werden!"),
               classEntry(c.className));
    });
}

bool TeacherRecord::deleteAnswers(const QString &entry) {
    return onChild(entry, [this, entry](const ServerChild &c) {
        if (msgBox(QStringLiteral("Alle Antworten von „%1“ auf dem Klassenserver löschen?\n"
                                  "Das lässt sich nicht rückgängig machen.\r")
                       .arg(c.name),
                   MsgIcon::Question, MsgButtons::YesNo,
                   QStringLiteral("Lernstand löschen")) != MsgResult::Yes)
            return;
        const QString id = c.id;
        change(ClassJobs::removeAnswers(id),
               QStringLiteral("Der Lernstand konnte auf dem Klassenserver nicht gelöscht werden!"),
               entry);
    });
}
