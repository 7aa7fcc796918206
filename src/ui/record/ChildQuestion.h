#pragma once

#include "core/record/AnswerRecord.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class QPushButton;
class QGridLayout;

// "Wer übt?": one large button per child's name, asked at start so that the
// answers go to the child who practises. Tab and the arrow keys move between
// the names, Enter or Space chooses; Escape or the close box keeps the login
// account's own record. On a classroom computer the names are the class
// server's children, the class chosen first where the computer serves several.
class ChildQuestion : public QDialog {
    Q_OBJECT
public:
    explicit ChildQuestion(const QStringList &names, QWidget *parent = nullptr);
    explicit ChildQuestion(const QList<RosterChild> &roster, QWidget *parent = nullptr);

    // The name chosen; "" when none was.
    QString chosen() const { return chosen_; }
    // The server's id of the child chosen; "" for a name known only here.
    QString chosenId() const { return chosenId_; }

    // Asks and waits for the answer.
    static QString ask(const QStringList &names);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Choice {
        QString objectName;
        QString caption;
        std::function<void()> pick;
    };
    ChildQuestion(QWidget *parent);
    void offer(const QList<Choice> &choices);
    void offerClass(const QList<RosterChild> &roster, const QString &className, bool back);
    void offerClasses(const QList<RosterChild> &roster);
    void choose(const QString &name, const QString &id);

    qreal factor_ = 1;
    QGridLayout *grid_;
    QWidget *page_ = nullptr;
    QList<QPushButton *> buttons_;
    QString chosen_;
    QString chosenId_;
};
