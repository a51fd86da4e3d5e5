// Drives a KelvoSaxHandler over an XML document with QXmlStreamReader.
//
// A document counts only when it is read to its end without error. The callbacks made before
// an error has been found cannot be taken back, so every caller discards what its handler
// collected unless the result is Ok: a rejected file contributes nothing, wherever its fault
// lies. Documents are bounded: larger than MaxFileSize bytes, nested deeper than
// MaxNestingDepth elements, or declaring entities (whose expansion the file size does not
// bound) they are rejected. Files are read in chunks, so memory grows with what the handler
// keeps, not with the file.
#pragma once

#include <QByteArray>
#include <QString>

class KelvoSaxHandler;

class KelvoSaxReader {
public:
    static constexpr qint64 MaxFileSize = 256 * 1024 * 1024;
    static constexpr int MaxNestingDepth = 64;

    enum class Status {
        Ok,         // read to its end, every callback made
        Unreadable, // missing, a folder, or cannot be opened or read
        TooLarge,   // more than MaxFileSize bytes; callbacks made up to the limit at most
        Malformed,  // not well-formed, too deep or declares entities; callbacks made up to there
    };

    static Status parseFile(const QString& path, KelvoSaxHandler& handler);
    static Status parse(const QByteArray& document, KelvoSaxHandler& handler);

    // One line for the user naming the file and why it was not read; empty for Ok.
    static QString problem(Status status, const QString& path);
};
