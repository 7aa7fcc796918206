#pragma once

#include <QDialog>
#include <QStringList>

class QPushButton;

// "Wer übt?": one large button per child's name, asked at start so that the
// answers go to the child who practises. Tab and the arrow keys move between
// the names, Enter or Space chooses; Escape or the close box keeps the login
// account's own record.
class ChildQuestion : public QDialog {
    Q_OBJECT
public:
    explicit ChildQuestion(const QStringList &names, QWidget *parent = nullptr);

    // The name chosen; "" when none was.
    QString chosen() const { return chosen_; }

    // Asks and waits for the answer.
    static QString ask(const QStringList &names);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QPushButton *> buttons_;
    QString chosen_;
};
