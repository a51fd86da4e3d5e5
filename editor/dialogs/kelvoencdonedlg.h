// The dialog that follows a successful generation of a coded image: it offers to save the
// coded picture and asks for the file.
#pragma once

#include <QDialog>
#include <QString>

class KelvoEncDoneDlg : public QDialog {
    Q_OBJECT
public:
    // `notice`, when given, is shown below the question (regions whose data show).
    explicit KelvoEncDoneDlg(QWidget* parent = nullptr, const QString& notice = QString());

    // The file chosen in the save-file dialog; empty until one was chosen.
    const QString& fileName() const { return m_fileName; }

public slots:
    // Asks for the file; accepts with the chosen name, rejects when the file dialog is
    // cancelled.
    void savePressed();
    void cancelPressed();

private:
    QString m_fileName;
};

// Runs a KelvoEncDoneDlg modally. On acceptance writes the chosen file name, kept as the full
// Unicode string, to `fileName` and returns true; otherwise leaves it alone and returns false.
bool askSaveCodedImage(QString& fileName, QWidget* parent, const QString& notice = QString());
