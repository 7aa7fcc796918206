#pragma once

#include "app/App.h"
#include "ui/InfoScreen.h"
#include "ui/MenuScreen.h"

#include <QPointer>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class QWidget;

// A program run inside a test: a fresh temporary current directory, all
// screens gone, the shared state reset, ending the program only recorded.
class TestProgram {
public:
    // The learning record goes into the test program's folder unless a file is named.
    explicit TestProgram(const QString &recordPath = {});
    ~TestProgram();

    // Writes the settings file with these exact bytes.
    void writeSettings(const QByteArray &bytes);
    QByteArray readSettings() const;
    QString settingsPath() const;

    // Wires the screens and shows the menu (its load handler runs).
    MenuScreen &start();
    App &app() { return *app_; }

    bool ended = false;

private:
    QTemporaryDir dir_;
    std::unique_ptr<App> app_;
    QString previousDir_;
};

// A screen a test makes for itself, created on first use; it goes with the
// other windows when the next test program starts.
template <class T> T &standIn() {
    static QPointer<T> screen;
    if (!screen)
        screen = new T;
    return *screen;
}

// The program of the test running now (started or not).
App &testApp();

// Sets up the application for all tests of one executable.
void initTestApplication();

// The widget with this object name inside the given screen (fails the test if missing).
template <class T> T *control(QWidget *screen, const QString &name);
#include "Program.inl"
