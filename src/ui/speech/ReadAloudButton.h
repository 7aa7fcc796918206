#pragma once

#include <QPointer>
#include <QPushButton>

class QLabel;
class Speaker;

// "Vorlesen": reads the screen's number word aloud, also on F2, a key no
// exercise uses. It never takes the focus, so typed answers stay where they
// were. Without speech it is disabled and its tooltip says why. It asks the
// speaker only once shown (the engine must not start with the program), and
// it stops the speech when it hides with its screen.
class ReadAloudButton : public QPushButton {
    Q_OBJECT
public:
    // Uses Speaker::shared() unless given a speaker.
    explicit ReadAloudButton(QWidget *parent, Speaker *speaker = nullptr);

    static QKeySequence key() { return QKeySequence(Qt::Key_F2); }

    // The word to read: either set whenever the screen shows a new one, or
    // read from a label's text at each press.
    void setWord(const QString &word);
    void setWordLabel(const QLabel *label);
    QString word() const;

    // Reads the word from its start (again, when still reading); nothing
    // without a word or without speech.
    void readAloud();
    void stopReading();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void showAvailability();

    QPointer<Speaker> speaker_;
    QString word_;
    QPointer<const QLabel> wordLabel_;
};
