// Writes a new item into a private dictionary: an obligatory English term, which becomes the
// item's coded word, and optional terms in every further language of the language list. The item
// gets no id; viewers find it by its coded word.
//
// The dialog is accepted only once the item is saved, or when the dictionaries already hold an
// item with that coded word (the author is told and that item is used). A dictionary that cannot
// be opened or written, and a failed save, are reported with the file and the reason; the file
// is then left as it was and the dialog keeps what the author typed.
#pragma once

#include "thes_dictentries.h"

#include <QDialog>
#include <QList>
#include <QMap>

#include <memory>

class KelvoXmlDictWriter;
class QLineEdit;

class KelvoDictEditor : public QDialog {
    Q_OBJECT
public:
    // Opens the dictionary fileName (KELVO_DIR + "dictionary/" + fileName) at once.
    explicit KelvoDictEditor(const QString& fileName, QWidget* parent = nullptr);
    ~KelvoDictEditor() override;

    // When the dictionary cannot take a new item, says why, naming the file, and returns false.
    bool canWrite();
    // Fills in the term the author looked up, in the field of its language (0 is English).
    void showTerm(int languageIndex, const QString& term);

    // After acceptance: the coded word (the English term), and the term a region shows with its
    // language index: the first further language that was filled in, else English (index 0).
    const QString& codedWord() const { return m_codedWord; }
    const QString& term() const { return m_term; }
    int languageIndex() const { return m_languageIndex; }

public slots:
    void okPressed();
    void cancelPressed();

private:
    // The reason the file cannot be written to, or empty.
    QString fileProblem() const;
    // Warns when the English term cannot serve as a coded word; returns whether it can.
    bool checkEnglish(const QString& english);
    // Language index -> terms: English, and every further language filled in.
    QMap<int, TheS_DictEntries> translations(const QString& english) const;
    // Appends and saves the item; on failure warns, reloads the file and returns false.
    bool save(const QString& english, const QMap<int, TheS_DictEntries>& terms);
    void warn(const QString& text);

    QString m_fileName;
    std::unique_ptr<KelvoXmlDictWriter> m_writer;
    QLineEdit* m_english;
    QList<QLineEdit*> m_further; // language index i + 1 at position i
    QString m_codedWord;
    QString m_term;
    int m_languageIndex = 0;
};

// Runs a KelvoDictEditor (object name "KelvoDictEditor") on the dictionary fileName, showing
// term in the field of languageIndex. When the dictionary cannot be opened, says why and returns
// false without showing the editor. When the editor is accepted, writes out its coded word, term
// and language index and returns true; otherwise nothing is written.
bool addDictItem(const QString& fileName, QString& codedWord, QString& term, int& languageIndex,
                 QWidget* parent);
