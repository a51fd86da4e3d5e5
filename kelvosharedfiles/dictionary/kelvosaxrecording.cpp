#include "kelvosaxrecording.h"

void KelvoSaxRecording::startElement(const QString& name, const QXmlStreamAttributes& attributes) {
    const auto first = qint32(m_attributes.size());
    for (const QXmlStreamAttribute& attribute : attributes)
        m_attributes.push_back(
            {storeName(attribute.qualifiedName().toString()), store(attribute.value())});
    m_events.push_back({Kind::Start, storeName(name), first, qint32(attributes.size())});
}

void KelvoSaxRecording::characters(const QString& text) {
    m_events.push_back({Kind::Characters, store(text), 0, 0});
}

void KelvoSaxRecording::endElement(const QString& name) {
    m_events.push_back({Kind::End, storeName(name), 0, 0});
}

QString KelvoSaxRecording::text(qsizetype event) const {
    return string(m_events[size_t(event)].text);
}

QXmlStreamAttributes KelvoSaxRecording::attributes(qsizetype event) const {
    const Event& e = m_events[size_t(event)];
    QXmlStreamAttributes result;
    result.reserve(e.attributeCount);
    for (qint32 i = 0; i < e.attributeCount; ++i) {
        const Attribute& a = m_attributes[size_t(e.firstAttribute + i)];
        result.append(string(a.name), string(a.value));
    }
    return result;
}

void KelvoSaxRecording::replay(qsizetype from, KelvoSaxHandler& handler) const {
    for (qsizetype i = from; i < size() && !handler.done(); ++i) {
        switch (kind(i)) {
        case Kind::Start:
            handler.startElement(text(i), attributes(i));
            break;
        case Kind::Characters:
            handler.characters(text(i));
            break;
        case Kind::End:
            handler.endElement(text(i));
            break;
        }
    }
}

// Offsets fit in 32 bits: the reader accepts documents of at most 256 MiB, and without entity
// declarations no text is longer than the document.
KelvoSaxRecording::Span KelvoSaxRecording::store(QStringView text) {
    const Span span{qint32(m_chars.size()), qint32(text.size())};
    m_chars.append(text);
    return span;
}

KelvoSaxRecording::Span KelvoSaxRecording::storeName(const QString& name) {
    const auto it = m_names.constFind(name);
    if (it != m_names.constEnd())
        return *it;
    const Span span = store(name);
    m_names.insert(name, span);
    return span;
}

QString KelvoSaxRecording::string(Span span) const {
    return m_chars.mid(span.offset, span.length);
}
