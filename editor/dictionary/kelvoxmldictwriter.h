// Appends items to the user's private dictionary and writes it back, with libxml2.
//
// An appended item, as written (libxml2 adds no indentation):
//
//   <DictItem id="N">codedWord\n<tag><tag_P>primary</tag_P><tag_S>secondary</tag_S>...</tag>\n
//   ...one language element and "\n" per translation...</DictItem>
//
// followed by the text "\n\n" in the root. Items go after the root's last child; the writer
// never creates a dictionary, it only appends to an existing one.
#pragma once

#include "kelvosaxreader.h"
#include "kelvoxmlparser.h"
#include "thes_dictentries.h"

#include <QMap>
#include <QString>

#include <libxml/tree.h>

class KelvoXmlDictWriter : public KelvoXmlParser {
public:
    // Loads the dictionary fileName where it is written (KelvoPaths::dictionaryWritePath) and
    // keeps the document until destruction. A user's copy that does not exist yet is first
    // copied from the delivered dictionary.
    explicit KelvoXmlDictWriter(const QString& fileName = PrivateDictionary);
    ~KelvoXmlDictWriter() override;
    KelvoXmlDictWriter(const KelvoXmlDictWriter&) = delete;
    KelvoXmlDictWriter& operator=(const KelvoXmlDictWriter&) = delete;

    // False when the dictionary is missing, too large or not well-formed: nothing can be
    // appended, filePath() names the file and problem() says why, naming the file (and the
    // size limit when that was passed).
    bool isLoaded() const { return m_document != nullptr; }
    const QString& filePath() const { return m_path; }
    const QString& problem() const { return m_problem; }

    // Appends an item with the coded word and the translations (language index -> terms, in
    // ascending index; indices that name no language, or whose tag cannot be an element name,
    // are left out). id >= 0 is written as it is; -1 gives the id of the nearest preceding item
    // that has one, plus 1, or 1 when there is none; below -1 the item gets no id. Characters
    // that XML cannot hold are dropped. Returns the new node, owned by the document; null when
    // nothing is loaded.
    xmlNodePtr appendItem(const QString& codedWord, const QMap<int, TheS_DictEntries>& translations,
                          int id);

    // Writes the document to filePath() in UTF-8: into a temporary file in the same folder,
    // which then replaces the old file. False when nothing is loaded or writing failed; the old
    // file is then untouched.
    bool save() const;

private:
    KelvoSaxReader::Status load();

    QString m_path;
    QString m_problem;
    xmlDocPtr m_document = nullptr;
    xmlNodePtr m_root = nullptr;
};
