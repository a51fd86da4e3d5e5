// Asks for a dictionary term and the language it is written in. The language box lists the
// languages of the language list in order, so an item's position is the language index.
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

class KelvoDictEntryDlg : public QDialog {
    Q_OBJECT
public:
    explicit KelvoDictEntryDlg(QWidget* parent = nullptr);

    // An index that names no language of the list is ignored.
    void setLanguage(int languageIndex);
    void setTerm(const QString& term);

    int chosenLanguage() const { return m_language; }
    QString term() const;

public slots:
    void okPressed();
    void cancelPressed();
    void chosenLang(int languageIndex);

private:
    QComboBox* m_languages;
    QLineEdit* m_term;
    int m_language = 0;
};

// Runs a KelvoDictEntryDlg showing term (when not empty) and the language languageIndex (when
// not -1). When it is accepted, writes back the chosen language index and the typed term and
// returns true; otherwise both are left alone.
bool askDictEntry(int& languageIndex, QString& term, QWidget* parent);
