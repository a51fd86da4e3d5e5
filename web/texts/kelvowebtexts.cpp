// kelvo-web-texts QM_DIR OUT_DIR LANGUAGE...: writes the web viewer's texts as
// OUT_DIR/kelvo-texts-<language>.json for English and each language, taken from the built
// translations QM_DIR/kelvo_<language>.qm. The viewer shows the texts of the plug-in, so most
// come from its contexts; the few that only the web viewer has are listed here for lupdate.
// Each file is one object from the viewer's text names to texts; "%1" and "%2" stand for the
// values the viewer fills in. A text without translation stays English.
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTranslator>

#include <cstdio>

namespace {

struct WebText {
    const char* name;
    const char* context;
    const char* source;
};

const WebText Texts[] = {
    {"srcNotAllowed", "NPKelvoPluginInstance", " The parameter 'src' is not allowed! "},
    {"noUrl", "NPKelvoPluginInstance", " No image url specified in parameter 'kelvo'! "},
    {"noParameter", "NPKelvoPluginInstance", " No parameter 'kelvo' specified! "},
    {"tryLoading", "NPKelvoPluginWidget", " Kelvo plugin >> try loading: "},
    {"receiving", "NPKelvoPluginWidget", " Kelvo plugin >> receiving:  "},
    {"loadError", "NPKelvoPluginWidget",
     " Kelvo plugin >> an error occured, while loading the image! Propably the image link is "
     "broken."},
    {"errorPaint", "NPKelvoPluginWidget", "An Error occured"},
    {"preparing", "KelvoPluginViewerWidget", "Preparing Image"},
    {"programInfo", "KelvoPluginViewerWidget", "Program Info"},
    {"about", "KelvoPluginViewerWidget",
     "Kelvo Version 0.7\nShows the annotations hidden in pictures on web pages."},
    {"imageProperties", "KelvoPluginViewerWidget", "Image Properties"},
    {"openLink", "KelvoPluginViewerWidget", "Open Link Location"},
    {"saveImage", "KelvoPluginViewerWidget", "Save Image As"},
    {"showOutlines", "KelvoPluginViewerWidget", "Show Image Outlines"},
    {"imageDictionary", "KelvoPluginViewerWidget", "Image Dictionary"},
    {"aboutItem", "KelvoPluginViewerWidget", "About"},
    {"translateFrom", "KelvoDictionaryMenu", "Translate from ..."},
    {"translateTo", "KelvoDictionaryMenu", "Translate to ..."},
    {"showCodedWord", "KelvoDictionaryMenu", "Show coded word"},
    {"showAmbiguities", "KelvoDictionaryMenu", "Show ambiguities"},
    {"propertiesFor", "KelvoPluginImagePropertiesDialog", "Properties for \"%1\""},
    {"fileLocation", "KelvoPluginImagePropertiesDialog", "File Location:"},
    {"width", "KelvoPluginImagePropertiesDialog", "Width:"},
    {"height", "KelvoPluginImagePropertiesDialog", "Height:"},
    {"pixels", "KelvoPluginImagePropertiesDialog", "%1 px (original) / %2 px (displayed)"},
    {"fileSize", "KelvoPluginImagePropertiesDialog", "File Size:"},
    {"annotatedAreas", "KelvoPluginImagePropertiesDialog", "Annotated Areas:"},
    {"unformattedTexts", "KelvoPluginImagePropertiesDialog", "  Unformatted Texts:"},
    {"formattedTexts", "KelvoPluginImagePropertiesDialog", "  Formatted Texts:"},
    {"translatableTexts", "KelvoPluginImagePropertiesDialog", "  Translateable Texts:  "},
    {"encodedImages", "KelvoPluginImagePropertiesDialog", "  Encoded Images:"},
    {"close", "KelvoPluginImagePropertiesDialog", "Close"},
    {"unknown", "KelvoPluginImagePropertiesDialog", "unknown"},
    {"bytes", "KelvoPluginImagePropertiesDialog", "%1 bytes"},
    {"megabytes", "KelvoPluginImagePropertiesDialog", "%1MB (%2 bytes)"},
    {"kilobytes", "KelvoPluginImagePropertiesDialog", "%1KB (%2 bytes)"},
    {"keepOpen", "KelvoWebViewer", QT_TRANSLATE_NOOP("KelvoWebViewer", "Keep this text open")},
    {"pictureHint", "KelvoWebViewer",
     QT_TRANSLATE_NOOP("KelvoWebViewer",
                       "picture with %1 annotated areas; use the arrow keys to read them")},
};

bool writeTexts(const QString& qmDir, const QString& outDir, const QString& language) {
    QTranslator translator;
    const QString qm = qmDir + QStringLiteral("/kelvo_") + language + QStringLiteral(".qm");
    if (language != QLatin1String("en") && !translator.load(qm)) {
        std::fprintf(stderr, "kelvo-web-texts: %s: cannot load the translation\n", qPrintable(qm));
        return false;
    }
    QJsonObject texts;
    for (const WebText& text : Texts) {
        const QString translated = translator.translate(text.context, text.source);
        texts.insert(QLatin1String(text.name),
                     translated.isEmpty() ? QString::fromUtf8(text.source) : translated);
    }
    const QString out =
        outDir + QStringLiteral("/kelvo-texts-") + language + QStringLiteral(".json");
    QFile file(out);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(texts).toJson()) < 0 ||
        !file.flush()) {
        std::fprintf(stderr, "kelvo-web-texts: %s: %s\n", qPrintable(out),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: kelvo-web-texts QM_DIR OUT_DIR LANGUAGE...\n");
        return 2;
    }
    bool ok = writeTexts(arguments[1], arguments[2], QStringLiteral("en"));
    for (const QString& language : arguments.mid(3)) {
        ok = writeTexts(arguments[1], arguments[2], language) && ok;
    }
    return ok ? 0 : 1;
}
