// Finds the first item in which some text inside an element named exactly the searched tag
// equals the wanted term, ignoring case, and reports that item's coded word and id.
//
// Every item start sets the current id (-1 when the item has no id) and clears the current
// coded word; the item's own text then sets the word. The searched language's element opens
// the comparison, its end tag closes it.
#pragma once

#include "kelvoxmlhandler.h"

class KelvoXmlSearchHandler : public KelvoXmlHandler {
public:
    KelvoXmlSearchHandler(const QString& term, const QString& tag);

    bool found() const { return m_found; }
    // The matching item's coded word and id (-1 = none); meaningful when found.
    const QString& codedWord() const { return m_itemWord; }
    int id() const { return m_itemId; }

protected:
    // Called with each text met inside the searched language, as it stands; true ends the
    // search with the current item as its result.
    virtual bool isMatch(const QString& text) { return text.toLower() == m_term; }

    void onStartElement(const QString& name, const QXmlStreamAttributes& attributes) override;
    void onCharacters(const QString& text) override;
    void onEndElement(const QString& name) override;

private:
    const QString m_term;
    const QString m_tag;
    bool m_inside = false;
    bool m_found = false;
    QString m_itemWord;
    int m_itemId = -1;
};
