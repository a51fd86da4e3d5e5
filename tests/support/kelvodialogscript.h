// Answers the modal dialogs that the code under test runs, as a user would. Each step waits for
// the active modal widget to be a dialog of the step's class, then acts on it (types, clicks)
// from the event loop, so a click that opens a further dialog does not stop the script.
//
// A step whose dialog does not appear within TimeoutMs, or a dialog that no step expects and
// that stays open that long, fails the script: every modal dialog is then closed, so the code
// under test returns instead of waiting for a user until the test runner kills the program.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

class QWidget;

class KelvoDialogScript : public QObject {
public:
    static constexpr int TimeoutMs = 5000;

    KelvoDialogScript();

    // Adds a step for a dialog of class Dialog; act receives it.
    template <typename Dialog, typename Act> KelvoDialogScript& then(Act act) {
        m_steps.push_back({Dialog::staticMetaObject.className(),
                           [](QWidget* w) { return qobject_cast<Dialog*>(w) != nullptr; },
                           [act](QWidget* w) { act(qobject_cast<Dialog*>(w)); }});
        return *this;
    }

    // Adds a step that presses button 1, 2 or 3 of the editor's message dialog, keeping its text
    // and caption (defined with the editor's tests).
    KelvoDialogScript& pressOnMessage(int button, QString* text = nullptr,
                                      QString* caption = nullptr);

    // Every step ran, and nothing went wrong.
    bool done() const;
    // What went wrong, or which step is still waiting.
    QString failure() const;

    // Input helpers for the steps; each fails the running test when the child is missing.
    static void click(QWidget* dialog, const QString& buttonName);
    // Clicks the push button labelled `text` among widget's children.
    static void clickLabelled(QWidget* widget, const QString& text);
    // Types text into widget key by key; characters outside ASCII as key events with that text.
    static void keys(QWidget* widget, const QString& text);
    // Replaces the text of a line edit or plain text edit by typing.
    static void type(QWidget* dialog, const QString& editName, const QString& text);
    // The text of a message dialog.
    static QString messageText(QWidget* dialog);

private:
    struct Step {
        const char* className;
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> act;
    };

    void poll();
    void fail(const QString& why);

    std::vector<Step> m_steps;
    size_t m_next = 0;
    QTimer m_timer;
    int m_waitedMs = 0;
    QString m_failure;
};
