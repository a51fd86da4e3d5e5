// Finds one dictionary item and collects its translations.
//
// With a wanted id (not -1) the first item whose id equals it is taken and its coded word is
// not compared; with id -1 the first item whose own text, less one trailing line feed, equals
// the wanted coded word. Inside that item a language element (a name without "_") selects the
// language by its tag, text in an element ending in "_P" is the primary term and in one ending
// in "_S" a secondary term (empty text and a lone "\n" are skipped), and the end of the
// language element stores them under its language index. Tags that are not in the language
// list are skipped: the end of any language element drops what was collected. The end of the item
// finishes the handler.
#pragma once

#include "kelvoxmlhandler.h"
#include "thes_dictitem.h"

class KelvoXmlLookupHandler final : public KelvoXmlHandler {
public:
    KelvoXmlLookupHandler(const QString& codedWord, int id);

    // The item once it has been read to its end, with the wanted coded word; an empty record
    // (empty coded word) when no item matched or the wanted coded word is empty.
    TheS_DictItem result() const;
    // The matched item's id (-1 = none) and its own coded word (for an id match the item's
    // first text, less one trailing line feed); meaningful when result() is not empty.
    int matchedId() const { return m_itemId; }
    const QString& matchedWord() const { return m_itemWord; }

protected:
    void onStartElement(const QString& name, const QXmlStreamAttributes& attributes) override;
    void onCharacters(const QString& text) override;
    void onEndElement(const QString& name) override;

private:
    const QString m_wantedWord;
    const int m_wantedId;
    bool m_inside = false;
    int m_itemId = -1;
    QString m_itemWord;
    int m_language = -1;
    QString m_primary;
    QStringList m_secondaries;
    QMap<int, TheS_DictEntries> m_translations;
};
