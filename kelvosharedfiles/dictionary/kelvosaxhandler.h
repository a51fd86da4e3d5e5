// Receiver of the callbacks that KelvoSaxReader makes while it walks a document: one per start
// tag (qualified name and attributes in document order), per run of character data (whitespace
// included; CDATA sections, comments and processing instructions split runs) and per end tag.
#pragma once

#include <QString>
#include <QXmlStreamAttributes>

class KelvoSaxHandler {
public:
    virtual ~KelvoSaxHandler() = default;

    virtual void startElement(const QString& name, const QXmlStreamAttributes& attributes) = 0;
    virtual void characters(const QString& text) = 0;
    virtual void endElement(const QString& name) = 0;

    // True once the handler ignores every further callback, so that a replay may stop early.
    // A reader still reads the whole document, because only a complete, well-formed document
    // counts.
    virtual bool done() const { return false; }
};
