#include "RecordModuleLoader.h"

#include "RecordViewModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString RecordModuleLoader::fileName() {
    return QStringLiteral(ZUB_RECORD_MODULE_FILE);
}

QString RecordModuleLoader::programFolder() {
    return QCoreApplication::applicationDirPath();
}

QStringList RecordModuleLoader::folders(const QString &programFolder) {
    QStringList found{QDir::cleanPath(programFolder + QStringLiteral("/../lib/zubzahlen/plugins"))};
    // Only a program inside the build tree looks there: an installed one
    // never picks up a module of some later build.
    const QString build = QStringLiteral(ZUB_BUILD_DIR);
    const QString program = QDir::cleanPath(programFolder) + QLatin1Char('/');
    if (program.startsWith(QDir::cleanPath(build) + QLatin1Char('/')))
        found << QStringLiteral(ZUB_BUILD_MODULE_DIR);
    return found;
}

RecordViewModule *RecordModuleLoader::module() {
    if (loader_.isLoaded())
        return qobject_cast<RecordViewModule *>(loader_.instance());
    QStringList tried;
    for (const QString &folder : folders_) {
        const QString path = QDir(folder).filePath(fileName());
        if (!QFileInfo::exists(path)) {
            tried << QStringLiteral("%1 fehlt").arg(QDir::toNativeSeparators(path));
            continue;
        }
        loader_.setFileName(path);
        // A symbol the program lacks fails the load here, not the program later.
        loader_.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (auto *module = qobject_cast<RecordViewModule *>(loader_.instance())) {
            problem_.clear();
            return module;
        }
        tried << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path),
                                              loader_.errorString());
        loader_.unload();
    }
    problem_ = tried.join(QLatin1Char('\n'));
    return nullptr;
}
