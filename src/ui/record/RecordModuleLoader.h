#pragma once

#include <QPluginLoader>
#include <QStringList>

class RecordViewModule;

// Finds the module of the learning record's views and loads it on first use.
// An installed program looks in ../lib/zubzahlen/plugins beside its bin folder (the
// Debian package the same, under /usr); a program run from the build tree
// looks where the build put the module.
class RecordModuleLoader {
public:
    RecordModuleLoader() : folders_(folders(programFolder())) {}

    // The folders searched, in order, for a program in this folder.
    static QStringList folders(const QString &programFolder);
    static QString programFolder();
    static QString fileName();

    void setFolders(const QStringList &folders) { folders_ = folders; }
    const QStringList &searched() const { return folders_; }

    // The module, or nullptr when it is missing or cannot be loaded (see problem()).
    RecordViewModule *module();
    // The path of the module loaded.
    QString path() const { return loader_.fileName(); }
    // Why the module is missing, in German, with what was tried.
    QString problem() const { return problem_; }

private:
    QStringList folders_;
    QPluginLoader loader_;
    QString problem_;
};
