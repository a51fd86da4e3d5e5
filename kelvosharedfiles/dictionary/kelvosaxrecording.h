// A handler that records every callback of a parse so that it can be fed to other handlers
// later without reading the document again. A replay makes exactly the callbacks the reader
// made, with equal arguments.
//
// Storage is compact because a cached document stays in memory: one 20-byte event per callback,
// all strings in one character buffer, element names stored once.
#pragma once

#include "kelvosaxhandler.h"

#include <QHash>
#include <QString>
#include <QXmlStreamAttributes>

#include <vector>

class KelvoSaxRecording final : public KelvoSaxHandler {
public:
    enum class Kind : quint8 { Start, Characters, End };

    void startElement(const QString& name, const QXmlStreamAttributes& attributes) override;
    void characters(const QString& text) override;
    void endElement(const QString& name) override;

    qsizetype size() const { return qsizetype(m_events.size()); }
    Kind kind(qsizetype event) const { return m_events[size_t(event)].kind; }
    // The element name of a start or end event, the text of a characters event.
    QString text(qsizetype event) const;
    QXmlStreamAttributes attributes(qsizetype event) const;

    // Makes the callbacks of events from..size()-1 on handler, stopping once it is done.
    void replay(qsizetype from, KelvoSaxHandler& handler) const;

private:
    struct Span {
        qint32 offset = 0;
        qint32 length = 0;
    };
    struct Event {
        Kind kind;
        Span text;
        qint32 firstAttribute; // into m_attributes
        qint32 attributeCount;
    };
    struct Attribute {
        Span name;
        Span value;
    };

    Span store(QStringView text);
    Span storeName(const QString& name);
    QString string(Span span) const;

    std::vector<Event> m_events;
    std::vector<Attribute> m_attributes;
    QString m_chars;
    QHash<QString, Span> m_names;
};
