#pragma once

#include <QString>
#include <QStringList>

// A child's record is for its own account only: its folder 0700, its files
// 0600, whatever the umask. Files the user saves on purpose (CSV, PDF) are
// not made here and keep the user's umask.
namespace PrivateFiles {

// Makes the record's folder 0700 (parents as the umask says), narrows the
// folder and every file of the record found wider, and creates the database
// file empty and 0600 if there is none: SQLite gives its log, shared-memory
// and journal files the mode of the database file.
// Returns what exists but could not be narrowed; a folder or file that cannot
// be made is left for opening the database to report.
QStringList prepare(const QString &databasePath);

} // namespace PrivateFiles
