// A message dialog with up to three buttons that tells which one was pressed. The editor's
// windows use it for every question and warning.
#pragma once

#include <QDialog>

class KelvoMsgDlg : public QDialog {
    Q_OBJECT
public:
    // Buttons 2 and 3 exist only when their text is not empty. The default button is the one
    // numbered `defaultButton` when it exists, otherwise button 1.
    KelvoMsgDlg(QWidget* parent, const QString& caption, const QString& text,
                const QString& button1, int defaultButton = 1, const QString& button2 = {},
                const QString& button3 = {});

    // 0 until a button was pressed, then its number (1, 2 or 3). Named apart from
    // QDialog::result(), the accept/reject code.
    int pressedButton() const { return m_pressed; }

public slots:
    void b1Pressed();
    void b2Pressed();
    void b3Pressed();

private:
    void press(int button);

    int m_pressed = 0;
};

// Runs a KelvoMsgDlg modally. When it ends by a button, writes the button's number (1, 2 or 3)
// to `result` and returns true; closing the dialog otherwise returns false.
bool showMessage(int& result, QWidget* parent, const QString& caption, const QString& text,
                 const QString& button1, int defaultButton = 1, const QString& button2 = {},
                 const QString& button3 = {});
