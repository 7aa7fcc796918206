// The handbook against the program: it has a section for every exercise
// button of the menu, names every worksheet task type of the list, and every
// picture it (or README.md) shows is there and is a picture. Captions are
// compared with blanks trimmed and runs of blanks made one, so the menu's
// " < = >" and the list's "<  =  >" are both found as "< = >".
#include "Program.h"
#include "core/Session.h"
#include "core/worksheets/WorksheetTasks.h"
#include "ui/MenuScreen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

const QDir sourceDir(QStringLiteral(ZUB_SOURCE_DIR));

QString readText(const QString &path) {
    QFile file(sourceDir.filePath(path));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QString normalised(const QString &text) {
    return text.simplified();
}

// The handbook's sections: each heading line with the text up to the next heading.
struct Section {
    QString heading;
    QString body;
};

QList<Section> sections(const QString &markdown) {
    QList<Section> all;
    for (const QString &line : markdown.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('#')))
            all << Section{normalised(line), QString()};
        else if (!all.isEmpty())
            all.last().body += line + QLatin1Char('\n');
    }
    return all;
}

// Every picture a markdown text shows, as Markdown images or as <img> tags.
QStringList pictureLinks(const QString &markdown) {
    static const QRegularExpression markdownImage(QStringLiteral("!\\[[^\\]]*\\]\\(([^)\\s]+)\\)"));
    static const QRegularExpression htmlImage(QStringLiteral("<img\\b[^>]*\\bsrc=\"([^\"]+)\""));
    QStringList links;
    for (const QRegularExpression *pattern : {&markdownImage, &htmlImage})
        for (const QRegularExpressionMatch &m : pattern->globalMatch(markdown))
            links << m.captured(1);
    return links;
}

// The menu's exercise buttons by object name, in the menu's order.
const char *const exerciseButtons[] = {"Befehl14", "Befehl2",  "Befehl3", "Befehl5",
                                       "Befehl10", "Befehl4",  "Befehl7", "Befehl9",
                                       "Befehl8",  "Befehl11", "Befehl6"};

} // namespace

class HandbookTest : public QObject {
    Q_OBJECT

    QString handbook_;

private slots:
    void initTestCase() {
        initTestApplication();
        handbook_ = readText(QStringLiteral("docs/handbuch.md"));
        QVERIFY2(!handbook_.isEmpty(), "docs/handbuch.md is missing or empty");
    }

    void sectionForEveryExercise_data() {
        QTest::addColumn<QString>("caption");
        Session session;
        MenuScreen menu(session);
        for (const char *name : exerciseButtons) {
            auto *button = menu.findChild<QPushButton *>(QLatin1String(name));
            QVERIFY2(button, name);
            QTest::newRow(name) << normalised(button->text());
        }
    }

    // Each exercise is told under a heading of its own, with its picture.
    void sectionForEveryExercise() {
        QFETCH(QString, caption);
        QVERIFY(!caption.isEmpty());
        for (const Section &section : sections(handbook_)) {
            if (!section.heading.contains(caption))
                continue;
            QVERIFY2(!pictureLinks(section.body).isEmpty(),
                     qPrintable(QStringLiteral("no picture beside ") + section.heading));
            return;
        }
        QFAIL(qPrintable(QStringLiteral("no heading names the exercise ") + caption));
    }

    void namesEveryTaskType_data() {
        QTest::addColumn<QString>("type");
        QCOMPARE(WorksheetTasks::types().size(), 11);
        for (const QString &type : WorksheetTasks::types())
            QTest::newRow(qPrintable(type)) << normalised(type);
    }

    void namesEveryTaskType() {
        QFETCH(QString, type);
        QVERIFY2(normalised(handbook_).contains(type),
                 qPrintable(QStringLiteral("the handbook does not name the task type ") + type));
    }

    void everyPictureExists_data() {
        QTest::addColumn<QString>("path");
        const struct {
            const char *file;
            const char *folder;
        } texts[] = {{"docs/handbuch.md", "docs"}, {"README.md", "."}};
        for (const auto &text : texts) {
            const QStringList links = pictureLinks(readText(QLatin1String(text.file)));
            QVERIFY2(!links.isEmpty(), text.file);
            for (const QString &link : links)
                QTest::newRow(qPrintable(QLatin1String(text.file) + QLatin1Char(' ') + link))
                    << QDir::cleanPath(sourceDir.filePath(QLatin1String(text.folder)) +
                                       QLatin1Char('/') + link);
        }
    }

    void everyPictureExists() {
        QFETCH(QString, path);
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QVERIFY2(!QImage(path).isNull(), qPrintable(path + QStringLiteral(" is no picture")));
    }
};

QTEST_MAIN(HandbookTest)
#include "test_handbook.moc"
