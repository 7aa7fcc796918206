// Replays the fuzz seed corpus and every input the fuzzers once broke on
// through the checks the fuzz targets make, so a mended fault stays mended.
#include "../fuzz/NumberTextProperties.h"
#include "../fuzz/SettingsFileProperties.h"
#include "Program.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

class FuzzInputsTest : public QObject {
    Q_OBJECT
private:
    // One row per file of the target's seed corpus and regressions.
    static void addInputs(const char *target) {
        QTest::addColumn<QByteArray>("bytes");
        const QString fuzz = QFINDTESTDATA("../fuzz");
        QVERIFY2(!fuzz.isEmpty(), "the fuzz folder is missing");
        int seeds = 0;
        for (const char *kind : {"corpus", "regressions"}) {
            QDirIterator files(fuzz + QLatin1Char('/') + QLatin1String(kind) + QLatin1Char('/') +
                                   QLatin1String(target),
                               QDir::Files);
            while (files.hasNext()) {
                QFile file(files.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                QTest::addRow("%s/%s", kind, qPrintable(files.fileName())) << file.readAll();
                seeds += QLatin1String(kind) == QLatin1String("corpus");
            }
        }
        QVERIFY2(seeds > 0, "the seed corpus is empty");
    }

private slots:
    void initTestCase() { initTestApplication(); }

    void numberText_data() { addInputs("number_text"); }
    void numberText() {
        QFETCH(QByteArray, bytes);
        QCOMPARE(NumberTextProperties::broken(QString::fromUtf8(bytes)), QString());
        QCOMPARE(NumberTextProperties::broken(QString::fromLatin1(bytes)), QString());
    }

    void settingsFile_data() { addInputs("settings_file"); }
    void settingsFile() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QCOMPARE(SettingsFileProperties::broken(QDir(dir.path()), bytes), QString());
    }
};

QTEST_MAIN(FuzzInputsTest)
#include "test_fuzz_inputs.moc"
