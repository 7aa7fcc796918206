// The learning record is for its own account: folder 0700 and files 0600
// whatever the umask, and what an earlier version left wider is narrowed.
// Modes are read back, never tried by access, so this holds when run as root.
#include "store/RecordStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// The rights in octal as chmod takes them, "600".
QString mode(const QString &path) {
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return QStringLiteral("missing");
    return QString::number(st.st_mode & 07777, 8);
}

// The usual umask for one test; the runner's own comes back after it.
class UsualUmask {
public:
    UsualUmask() : old_(::umask(022)) {}
    ~UsualUmask() { ::umask(old_); }

private:
    mode_t old_;
};

// Every file in the folder with its mode in octal, as "name 600".
QStringList modes(const QString &folder) {
    QStringList list;
    const QDir dir(folder);
    for (const QString &name :
         dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        list << name + QLatin1Char(' ') + mode(dir.filePath(name));
    return list;
}

QStringList privateModes(const QString &folder) {
    QStringList list = modes(folder);
    for (QString &entry : list)
        entry = entry.section(QLatin1Char(' '), 0, 0) + QStringLiteral(" 600");
    return list;
}

AnswerRecord answer(int minute) {
    return {QStringLiteral("Mia"),
            QStringLiteral("Ordnen"),
            100,
            QStringLiteral("a"),
            QStringLiteral("1"),
            true,
            1,
            QDateTime(QDate(2026, 3, 2), QTime(9, 0)).addSecs(60 * minute),
            1000};
}

} // namespace

class PrivateRecordTest : public QObject {
    Q_OBJECT
private slots:
    void createdPrivate();
    void earlierRecordIsNarrowed_data();
    void earlierRecordIsNarrowed();
    void damagedFileMovedAsideStaysPrivate();
};

void PrivateRecordTest::createdPrivate() {
    UsualUmask umask;
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("share/zubzahlen"));
    const QString path = folder + QStringLiteral("/lernstand.sqlite");
    RecordStore store(path);
    QCOMPARE(store.open(), RecordStore::State::Open);
    QVERIFY(store.add(answer(1)));
    QVERIFY(QFile::exists(path + QStringLiteral("-wal")));
    QVERIFY(QFile::exists(path + QStringLiteral("-shm")));
    QCOMPARE(mode(folder), QStringLiteral("700"));
    QCOMPARE(modes(folder), privateModes(folder));
    QVERIFY(store.notPrivate().isEmpty());
}

void PrivateRecordTest::earlierRecordIsNarrowed_data() {
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode");
    QTest::newRow("umask 022") << 0755 << 0644;
    QTest::newRow("umask 002") << 0775 << 0664;
    QTest::newRow("open to all") << 0777 << 0666;
}

void PrivateRecordTest::earlierRecordIsNarrowed() {
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lernstand.sqlite"));
    // Another run of the program still has the record open, so its log and
    // shared memory are there as well.
    RecordStore running(path);
    QCOMPARE(running.open(), RecordStore::State::Open);
    QVERIFY(running.add(answer(1)));
    QFile aside(dir.filePath(QStringLiteral("lernstand-beschädigt-2025-01-02-030405.sqlite")));
    QVERIFY(aside.open(QIODevice::WriteOnly));
    aside.close();
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), mode_t(folderMode)), 0);
    for (const QString &entry : modes(dir.path())) {
        const QString name = entry.section(QLatin1Char(' '), 0, 0);
        QCOMPARE(::chmod(QFile::encodeName(dir.filePath(name)).constData(), mode_t(fileMode)), 0);
    }
    QCOMPARE(modes(dir.path()).size(), 4);

    RecordStore store(path);
    QCOMPARE(store.open(), RecordStore::State::Open);
    QVERIFY(store.notPrivate().isEmpty());
    QCOMPARE(mode(dir.path()), QStringLiteral("700"));
    QCOMPARE(modes(dir.path()), privateModes(dir.path()));
    QCOMPARE(store.answers(QStringLiteral("Mia")).size(), 1);
}

void PrivateRecordTest::damagedFileMovedAsideStaysPrivate() {
    UsualUmask umask;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lernstand.sqlite"));
    QFile damaged(path);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("Mia;Ordnen;100\n").repeated(300));
    damaged.close();
    QCOMPARE(mode(path), QStringLiteral("644"));
    RecordStore store(path);
    QCOMPARE(store.open(), RecordStore::State::Renewed);
    QVERIFY(store.add(answer(1)));
    QCOMPARE(mode(store.movedAsidePath()), QStringLiteral("600"));
    QCOMPARE(modes(dir.path()), privateModes(dir.path()));
}

QTEST_GUILESS_MAIN(PrivateRecordTest)
#include "test_private_record.moc"
