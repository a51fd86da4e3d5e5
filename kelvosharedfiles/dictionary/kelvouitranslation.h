// The user-interface translation of the editor and the plug-in: Kelvo's own messages from
// KELVO_DIR + "kelvo_" + language (built from translations/) and Qt's, for its own dialogs and
// the command-line help, from Qt's translations folder. Both stay installed in the application
// while the object lives.
#pragma once

#include <QTranslator>

class KelvoUiTranslation {
public:
    // Reads the configuration (once per process) and installs the messages that exist for its
    // language; English has none. The application object must exist.
    KelvoUiTranslation();

    bool kelvoLoaded() const { return m_kelvoLoaded; }
    bool qtLoaded() const { return m_qtLoaded; }

private:
    QTranslator m_kelvo;
    QTranslator m_qt;
    bool m_kelvoLoaded = false;
    bool m_qtLoaded = false;
};
