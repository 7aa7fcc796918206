#pragma once

#include "platform/Screen.h"

class Label;

// The program-info screen: title, notice and author line over a dark panel.
// It stays beside the menu (modeless) and closes itself on a click on
// "O k a y" or on its picture.
class ZUBLABEL : public Screen {
    Q_OBJECT
public:
    ZUBLABEL();

    static QString noticeText();
    static QString authorText();

    void okay();

protected:
    void showEvent(QShowEvent *event) override;
    void closeBox() override { okay(); }

private:
    Label *notice_;
    Label *author_;
};
