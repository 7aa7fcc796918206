#pragma once

#include "Screen.h"

class Label;

// The program-info screen: title, notice and author line over a dark panel.
// It stays beside the menu (modeless) and closes itself on a click on
// "O k a y" or on its picture, and on Escape, Enter or Space.
class InfoScreen : public Screen {
    Q_OBJECT
public:
    InfoScreen();

    static QString noticeText();
    static QString authorText();

    // "O k a y": the screen goes away (and says so with leftScreen()).
    void okay() { leave(); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeBox() override { okay(); }
    void scaleChanged() override;
    bool commandKey(int code) override;

private:
    Label *notice_;
    Label *author_;
    Label *picture_;
};
