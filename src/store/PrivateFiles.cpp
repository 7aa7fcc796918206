#include "PrivateFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace PrivateFiles {

namespace {

constexpr QFileDevice::Permissions owner =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;

// Takes the group's and others' rights away and adds none to the owner.
// A link that leads nowhere cannot be checked, so it counts as not narrowed.
bool narrow(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists())
        return !info.isSymLink();
    const QFileDevice::Permissions now = info.permissions();
    if (!(now & others))
        return true;
    return QFile::setPermissions(path, now & owner);
}

void makeFolder(const QString &folder) {
    const QFileInfo info(folder);
    if (info.exists() || info.isSymLink())
        return;
    QDir().mkpath(info.absolutePath());
    QDir(info.absolutePath())
        .mkdir(info.fileName(),
               QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace

QStringList prepare(const QString &databasePath) {
    const QFileInfo database(databasePath);
    const QString folder = database.absolutePath();
    makeFolder(folder);
    QStringList failed;
    if (!narrow(folder))
        failed << folder;
    // The log, shared memory, journal and damaged files moved aside all begin
    // with the database's own name; earlier versions made them with the umask.
    // Compared by hand: QDir's name filters would compile a regular expression
    // and its machine code at every start, for one prefix.
    QDirIterator entries(folder, QDir::Files | QDir::Dirs | QDir::System | QDir::Hidden |
                                     QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const QString path = entries.next();
        if (!entries.fileName().startsWith(database.completeBaseName()))
            continue;
        if (!narrow(path))
            failed << path;
    }
    if (!database.exists() && !database.isSymLink()) {
        // Opening the database tells when the folder cannot be written.
        QFile file(databasePath);
        file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                  QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return failed;
}

} // namespace PrivateFiles
