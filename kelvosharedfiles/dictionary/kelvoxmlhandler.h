// Dictionary file format (UTF-8 XML):
//
//   <anyRoot>                               root name never examined
//   <DictItem id="7">house\n               first attribute = id; own text = coded word + "\n"
//   <en><en_P>house</en_P><en_S>home</en_S></en>\n      one element per language tag:
//   <de><de_P>Haus</de_P></de>\n            tag_P = primary term, tag_S = secondary terms
//   </DictItem>\n\n
//   ...
//   </anyRoot>
//
// KelvoXmlHandler is what the lookup and search handlers share: character data belongs to the
// element started last (also after that element has ended), and once a handler is done every
// further callback is ignored, so the first matching item wins.
#pragma once

#include "kelvosaxhandler.h"

#include <QLatin1String>

class KelvoXmlHandler : public KelvoSaxHandler {
public:
    static constexpr QLatin1String ItemElement{"DictItem"};

    // The id of an item: its first attribute, whatever its name, as a decimal integer. False
    // when the item has no attribute or the first is not a number: such an item has no id.
    static bool itemId(const QXmlStreamAttributes& attributes, int& id);
    // The coded word an item's own text stands for: the text without one trailing line feed.
    static QString codedWordText(const QString& text);

    void startElement(const QString& name, const QXmlStreamAttributes& attributes) final;
    void characters(const QString& text) final;
    void endElement(const QString& name) final;
    bool done() const final { return m_done; }

protected:
    virtual void onStartElement(const QString& name, const QXmlStreamAttributes& attributes) = 0;
    virtual void onCharacters(const QString& text) = 0;
    virtual void onEndElement(const QString& name) = 0;

    const QString& currentElement() const { return m_currentElement; }
    bool currentIsItem() const { return m_currentElement == ItemElement; }
    void finish() { m_done = true; }

private:
    QString m_currentElement;
    bool m_done = false;
};
