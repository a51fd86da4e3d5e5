// Picture libraries behind Qt's readers (libpng among them) print their complaints about a
// broken file straight to the error stream, while the tool reports every failure itself in one
// line. While a KelvoQuietLibraries lives, the error stream goes nowhere; the tool wraps only
// the decoding of pictures in one, so that sanitizer reports and Qt's fatal messages of the
// rest of the run reach the caller. Scopes may overlap, also on different threads: the stream
// comes back when the last one ends.
#pragma once

class KelvoQuietLibraries {
public:
    KelvoQuietLibraries();
    ~KelvoQuietLibraries();

    KelvoQuietLibraries(const KelvoQuietLibraries&) = delete;
    KelvoQuietLibraries& operator=(const KelvoQuietLibraries&) = delete;
};
