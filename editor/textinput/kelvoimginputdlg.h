// Asks for the unformatted text of an image region. Pictures store such texts with one byte per
// character (Latin-1); before accepting a text with other characters the dialog names them and
// lets the author go back and change it. Return starts a new line, Ctrl+Return presses OK.
#pragma once

#include <QDialog>

class QPlainTextEdit;

class KelvoImgInputDlg : public QDialog {
    Q_OBJECT
public:
    explicit KelvoImgInputDlg(QWidget* parent = nullptr);

    void setText(const QString& text);
    // The text as typed when OK was accepted; empty before.
    const QString& result() const { return m_result; }

    // The text as a picture keeps it: characters outside Latin-1 become "?".
    static QString storable(const QString& text);

public slots:
    void okPressed();
    void cancelPressed();

private:
    QPlainTextEdit* m_edit;
    QString m_result;
};

// Run a KelvoImgInputDlg modally, empty or showing textIn. When it is accepted, text is the typed
// text as the picture will keep it (see KelvoImgInputDlg::storable) and the result is true.
// enterUnformattedText empties text first; editUnformattedText leaves it alone when cancelled.
bool enterUnformattedText(QString& text, QWidget* parent);
bool editUnformattedText(const QString& textIn, QString& text, QWidget* parent);
