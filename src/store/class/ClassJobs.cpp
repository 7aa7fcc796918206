#include "ClassJobs.h"

#include "core/record/RecordCsv.h"

namespace ClassJobs {

namespace {

// An answer of the server, or nothing when it gave none.
template <class T> QVariant answer(const std::optional<T> &value) {
    return value ? QVariant::fromValue(*value) : QVariant();
}

} // namespace

ServerJob teacherSnapshot(const QDateTime &now) {
    return [now](QSqlDatabase &db) -> QVariant {
        const auto classes = ClassQueries::teacherClasses(db);
        if (!classes)
            return {};
        TeacherSnapshot snapshot;
        snapshot.classes = *classes;
        for (const QString &name : *classes) {
            ClassQueries::cleanUp(db, name, now);
            if (const auto keeping = ClassQueries::keeping(db, name))
                snapshot.keeping.insert(name, *keeping);
        }
        if (!classes->isEmpty()) {
            const auto children = ClassQueries::children(db);
            if (!children)
                return {};
            snapshot.children = *children;
        }
        return QVariant::fromValue(snapshot);
    };
}

ServerJob childAnswers(const QString &id, const QString &name, const QDateTime &from) {
    return [id, name, from](QSqlDatabase &db) {
        return answer(ClassQueries::childAnswers(db, id, name, from));
    };
}

ServerJob classFigures(const QString &className, const QDateTime &from, int mistakesShown) {
    return [className, from, mistakesShown](QSqlDatabase &db) -> QVariant {
        const auto cells = ClassQueries::classCells(db, className, from);
        const auto mistakes = ClassQueries::classMistakes(db, className, from, mistakesShown);
        if (!cells || !mistakes)
            return {};
        return QVariantList{QVariant::fromValue(*cells), QVariant::fromValue(*mistakes)};
    };
}

ServerJob practisedSpots(const QString &className, const QDateTime &from) {
    return [className, from](QSqlDatabase &db) {
        return answer(ClassQueries::practisedSpots(db, className, from));
    };
}

ServerJob classAnswersCsv(const QString &className, const QDateTime &from) {
    return [className, from](QSqlDatabase &db) -> QVariant {
        const auto answers = ClassQueries::classAnswers(db, className, from);
        return answers ? QVariant(answersToCsv(*answers)) : QVariant();
    };
}

ServerJob addChild(const QString &className, const QString &name) {
    return [className, name](QSqlDatabase &db) {
        return answer(ClassQueries::addChild(db, className, name));
    };
}

ServerJob renameChild(const QString &id, const QString &name) {
    return
        [id, name](QSqlDatabase &db) { return QVariant(ClassQueries::renameChild(db, id, name)); };
}

ServerJob removeChild(const QString &id) {
    return [id](QSqlDatabase &db) { return QVariant(ClassQueries::removeChild(db, id)); };
}

ServerJob removeAnswers(const QString &id) {
    return [id](QSqlDatabase &db) { return QVariant(ClassQueries::removeAnswers(db, id)); };
}

ServerJob setKeepMonths(const QString &className, int months) {
    return [className, months](QSqlDatabase &db) {
        return QVariant(ClassQueries::setKeepMonths(db, className, months));
    };
}

} // namespace ClassJobs
