// The learning record's store against a real SQLite file in a temporary folder.
#include "store/RecordStore.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

AnswerRecord answer(const QString &child, const QString &task, qint64 minute) {
    AnswerRecord a;
    a.child = child;
    a.exercise = QStringLiteral("Ordnen");
    a.range = 100;
    a.task = task;
    a.given = QStringLiteral("=1+1; \"x\"\n");
    a.right = minute % 2 == 0;
    a.attempt = 2;
    a.at = QDateTime(QDate(2026, 3, 2), QTime(9, 0)).addSecs(60 * minute);
    a.millisecondsShown = 1234;
    return a;
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class RecordStoreTest : public QObject {
    Q_OBJECT
private slots:
    void newFileRoundTrip();
    void children();
    void twoProgramsBothRecord();
    void damagedFileIsMovedAside_data();
    void damagedFileIsMovedAside();
    void newerSchemaIsReadOnly();
    void unwritableFolderResumes();
};

void RecordStoreTest::newFileRoundTrip() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/lernstand.sqlite"));
    const QString name = QStringLiteral("O'Neil; \"Jo\"\n") + QString(186, QChar(0x00e4));
    {
        RecordStore store(path);
        QCOMPARE(store.open(), RecordStore::State::Open);
        QVERIFY(store.add(answer(name, QStringLiteral("b"), 2)));
        QVERIFY(store.add(answer(name, QStringLiteral("a"), 1)));
        QVERIFY(store.add(answer(QStringLiteral("Other"), QStringLiteral("c"), 3)));
        QVERIFY(
            store.add(RecordEvent{name, QStringLiteral("Belohnung"), {}, answer({}, {}, 4).at}));
    }
    RecordStore store(path); // a second program run
    QCOMPARE(store.open(), RecordStore::State::Open);
    const QList<AnswerRecord> list = store.answers(name);
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].task, QStringLiteral("a")); // oldest first
    QCOMPARE(list[0].child, name);
    QCOMPARE(list[0].given, answer({}, {}, 0).given);
    QCOMPARE(list[0].right, false);
    QCOMPARE(list[0].attempt, 2);
    QCOMPARE(list[0].at, answer({}, {}, 1).at);
    QCOMPARE(list[0].millisecondsShown, 1234);
    QCOMPARE(store.answers(name, answer({}, {}, 2).at).size(), 1);
    QCOMPARE(store.events(name).size(), 1);
    QVERIFY(store.removeAnswers(name));
    QVERIFY(store.answers(name).isEmpty());
    QCOMPARE(store.answers(QStringLiteral("Other")).size(), 1);
    // The schema version is in the file.
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
    db.setDatabaseName(path);
    QVERIFY(db.open());
    QSqlQuery version(QStringLiteral("PRAGMA user_version"), db);
    QVERIFY(version.next());
    QCOMPARE(version.value(0).toInt(), 2);
}

void RecordStoreTest::children() {
    QTemporaryDir dir;
    RecordStore store(dir.filePath(QStringLiteral("lernstand.sqlite")));
    store.open();
    QVERIFY(store.addChild(QStringLiteral("Zoe")));
    QVERIFY(store.addChild(QStringLiteral("Ärne")));
    QVERIFY(store.addChild(QStringLiteral("Anna")));
    QVERIFY(!store.addChild(QStringLiteral("Anna")));
    QVERIFY(store.add(answer(QStringLiteral("Zoe"), QStringLiteral("a"), 1)));
    QVERIFY(store.renameChild(QStringLiteral("Zoe"), QStringLiteral("Zoë")));
    QCOMPARE(store.children(), (QStringList{"Anna", "Ärne", "Zoë"}));
    QCOMPARE(store.answers(QStringLiteral("Zoë")).size(), 1);
    QVERIFY(store.removeChild(QStringLiteral("Anna")));
    QCOMPARE(store.children().size(), 2);
    QVERIFY(store.removeAll());
    QVERIFY(store.children().isEmpty());
    QVERIFY(store.answers(QStringLiteral("Zoë")).isEmpty());
}

void RecordStoreTest::twoProgramsBothRecord() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lernstand.sqlite"));
    RecordStore first(path);
    RecordStore second(path);
    QCOMPARE(first.open(), RecordStore::State::Open);
    QCOMPARE(second.open(), RecordStore::State::Open);
    for (int i = 0; i < 50; ++i) {
        QVERIFY(first.add(answer(QStringLiteral("A"), QStringLiteral("a"), i)));
        QVERIFY(second.add(answer(QStringLiteral("B"), QStringLiteral("b"), i)));
    }
    QCOMPARE(first.answers(QStringLiteral("B")).size(), 50);
    QCOMPARE(second.answers(QStringLiteral("A")).size(), 50);
}

void RecordStoreTest::damagedFileIsMovedAside_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("not a database") << QByteArray("Anna;Ordnen;100\n").repeated(300);
    QByteArray header("SQLite format 3\0", 16);
    QTest::newRow("broken pages") << header + QByteArray(8192, '\xff');
}

void RecordStoreTest::damagedFileIsMovedAside() {
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lernstand.sqlite"));
    writeFile(path, bytes);
    RecordStore store(path);
    QCOMPARE(store.open(), RecordStore::State::Renewed);
    QVERIFY(QFileInfo(store.movedAsidePath())
                .fileName()
                .startsWith(QStringLiteral("lernstand-beschädigt-%1-")
                                .arg(QDate::currentDate().toString(Qt::ISODate))));
    QFile aside(store.movedAsidePath());
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), bytes);
    QVERIFY(store.add(answer({}, QStringLiteral("a"), 1)));
    QCOMPARE(store.answers({}).size(), 1);
}

void RecordStoreTest::newerSchemaIsReadOnly() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lernstand.sqlite"));
    {
        RecordStore store(path);
        store.open();
        QVERIFY(store.add(answer({}, QStringLiteral("a"), 1)));
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("w"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 99")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("w"));
    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    RecordStore store(path);
    QCOMPARE(store.open(), RecordStore::State::ReadOnlyNewer);
    QCOMPARE(store.answers({}).size(), 1);
    QVERIFY(!store.add(answer({}, QStringLiteral("b"), 2)));
    QVERIFY(!store.addChild(QStringLiteral("Anna")));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

void RecordStoreTest::unwritableFolderResumes() {
    // A file where the folder should be: no folder can be made, even by root.
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("data"));
    writeFile(folder, "not a folder");
    RecordStore store(folder + QStringLiteral("/lernstand.sqlite"));
    QCOMPARE(store.open(), RecordStore::State::Unwritable);
    QVERIFY(!store.add(answer({}, QStringLiteral("a"), 1)));
    QVERIFY(QFile::remove(folder));
    QVERIFY(store.add(answer({}, QStringLiteral("b"), 2)));
    QCOMPARE(store.state(), RecordStore::State::Open);
    QCOMPARE(store.answers({}).size(), 1);
}

QTEST_GUILESS_MAIN(RecordStoreTest)
#include "test_record_store.moc"
