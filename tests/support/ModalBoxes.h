#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

// One modal box as the child saw it.
struct SeenBox {
    bool input = false; // an input box rather than a message box
    QString title;
    QString text; // the prompt
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons; // button texts, left to right as Qt orders them
    QString defaultButton;
    int width = 0; // of the whole box, as shown
};

// Answers the real modal boxes while a test drives the program. Each box
// takes the next answer: a button text ("OK", "Ja", "Nein", "Abbrechen"), or
// for an input box "=text" to type text and press OK. With no answer left a
// box is answered with its default button and marked as unexpected.
class ModalBoxes : public QObject {
    Q_OBJECT
public:
    explicit ModalBoxes(QStringList answers = {});
    ~ModalBoxes() override;

    QList<SeenBox> seen;
    int unexpected = 0;
    // Runs when a box appears, before it is answered.
    std::function<void(const SeenBox &)> onBox;
    // With no scripted answer left, names the answer for any box that comes
    // (as the answers above); such a box is not unexpected.
    std::function<QString(const SeenBox &)> decide;
    // A modal window that is no box (a print preview, say) is handed to this,
    // which must close it; without it such a window is closed at once. It
    // takes no answer.
    std::function<void(QWidget *)> onOtherWindow;

    // How often to look for a box; a long run of boxes wants 0 (every turn of the loop).
    void setPollInterval(int ms) { timer_.setInterval(ms); }

    void answer(const QStringList &more) { answers_ += more; }
    int pending() const { return int(answers_.size()); }
    const SeenBox &last() const { return seen.last(); }

private:
    void poll();
    QStringList answers_;
    QTimer timer_;
};

// Titles of the boxes seen, in order (handy in QCOMPARE).
QStringList titles(const QList<SeenBox> &boxes);
