// What every rule stands on: number text, the settings file, chance.
#include "core/NumberText.h"
#include "core/Random.h"
#include "core/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void numericPrefix_data();
    void numericPrefix();
    void standardConversion();
    void roundingHalvesToEven();
    void settingsField_data();
    void settingsField();
    void settingsFileNotReadable();
    void settingsWriteIsExactAndAtomic();
    void scriptedChanceComesFirst();
};

void NumberTextTest::numericPrefix_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addRow("plain") << "20" << 20.0;
    QTest::addRow("leading zero") << "020" << 20.0;
    QTest::addRow("blank inside") << "2 0" << 20.0;
    QTest::addRow("letters after") << "20abc" << 20.0;
    QTest::addRow("empty") << "" << 0.0;
    QTest::addRow("letters") << "abc" << 0.0;
    QTest::addRow("counter caption") << " 7" << 7.0;
    QTest::addRow("negative") << "-35" << -35.0;
    QTest::addRow("fraction") << "2.5" << 2.5;
    QTest::addRow("comma ends") << "3,7" << 3.0;
    QTest::addRow("exponent") << "1e3" << 1000.0;
    QTest::addRow("lonely e") << "12e" << 12.0;
    QTest::addRow("lonely sign") << "-" << 0.0;
    QTest::addRow("huge") << QString(400, QLatin1Char('9')) << 0.0; // overflows: no number
}

void NumberTextTest::numericPrefix() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumberText::value(text), value);
}

void NumberTextTest::standardConversion() {
    QCOMPARE(NumberText::withBlank(100), QStringLiteral(" 100"));
    QCOMPARE(NumberText::withBlank(0), QStringLiteral(" 0"));
    QCOMPARE(NumberText::withBlank(-2), QStringLiteral("-2"));
    QCOMPARE(NumberText::withBlank(1000000), QStringLiteral(" 1000000"));
    QCOMPARE(NumberText::digits(1000000), QStringLiteral("1000000"));
}

void NumberTextTest::roundingHalvesToEven() {
    QCOMPARE(NumberText::roundHalfEven(2.5), 2);
    QCOMPARE(NumberText::roundHalfEven(3.5), 4);
    QCOMPARE(NumberText::roundHalfEven(-2.5), -2);
    QCOMPARE(NumberText::roundHalfEven(2.6), 3);
    QCOMPARE(NumberText::wholeNumber(QStringLiteral("99999999999")),
             std::numeric_limits<int>::max());
}

void NumberTextTest::settingsField_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expected"); // -1: no number
    QTest::addRow("six") << QByteArray("6") << 6;
    QTest::addRow("blanks") << QByteArray(" 6 \r\n") << 6;
    QTest::addRow("half rounds to even") << QByteArray("2.5") << 2;
    QTest::addRow("comma ends field") << QByteArray("3,7") << 3;
    QTest::addRow("seven is a number") << QByteArray("7") << 7;
    QTest::addRow("letters") << QByteArray("abc") << -1;
    QTest::addRow("empty") << QByteArray() << -1;
    QTest::addRow("binary") << QByteArray("\x00\xff\x01\x02", 4) << -1;
    QTest::addRow("digit then junk") << QByteArray("4x") << -1;
    QTest::addRow("only blanks") << QByteArray(10000, ' ') << -1;
    QTest::addRow("plus sign") << QByteArray("+4") << 4;
    QTest::addRow("minus sign") << QByteArray("-4") << -4;
    QTest::addRow("point first") << QByteArray(".6") << 1;
    QTest::addRow("point last") << QByteArray("5.") << 5;
    QTest::addRow("point alone") << QByteArray(".") << -1;
    QTest::addRow("sign alone") << QByteArray("-") << -1;
    QTest::addRow("two points") << QByteArray("1.2.3") << -1;
    QTest::addRow("two signs") << QByteArray("+-1") << -1;
}

void NumberTextTest::settingsField() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath("ZUBZAHL.INI");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    const auto value = SettingsFile::readFirstNumber(path);
    QCOMPARE(value.value_or(-1), expected);
}

void NumberTextTest::settingsFileNotReadable() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("ZUBZAHL.INI"));
    QVERIFY(!SettingsFile::readFirstNumber(dir.filePath("ZUBZAHL.INI")));
    QVERIFY(!SettingsFile::readFirstNumber(dir.filePath("missing.ini")));
}

void NumberTextTest::settingsWriteIsExactAndAtomic() {
    QTemporaryDir dir;
    const QString path = dir.filePath("ZUBZAHL.INI");
    QVERIFY(SettingsFile::writeNumber(path, 3));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray(" 3 \r\n"));
    f.close();
    // No temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"ZUBZAHL.INI"});
    // A directory in the way: the write fails and says so.
    QTemporaryDir other;
    QVERIFY(QDir(other.path()).mkdir("ZUBZAHL.INI"));
    QVERIFY(!SettingsFile::writeNumber(other.filePath("ZUBZAHL.INI"), 2));
}

void NumberTextTest::scriptedChanceComesFirst() {
    Random::script({0.0, 0.999, 0.5});
    QCOMPARE(Random::draw(20), 1);
    QCOMPARE(Random::draw(20), 20);
    QCOMPARE(Random::draw(20), 11);
    QCOMPARE(Random::scriptLeft(), 0);
    Random::seed(7);
    const double a = Random::fraction();
    Random::seed(7);
    QCOMPARE(Random::fraction(), a);
    for (int i = 0; i < 1000; ++i) {
        const double r = Random::fraction();
        QVERIFY(r >= 0 && r < 1);
    }
}

QTEST_GUILESS_MAIN(NumberTextTest)
#include "test_number_text.moc"
