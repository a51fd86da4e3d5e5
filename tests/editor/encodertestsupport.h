// Helpers of the encoder window and end-to-end tests: answering the save dialogs and reading a
// coded picture back through kelvo-tool's decoder.
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <map>

class KelvoDialogScript;
class KelvoImgWidget;

namespace EncoderTest {

// A plain picture with a gradient, so that coded data has pixels to live in.
QImage plainPicture(int width, int height);

// Adds the steps that press "Save" in the encoding-done dialog and choose `fileName`.
void saveAs(KelvoDialogScript& script, const QString& fileName);
// Adds the step that types `fileName` into a file dialog and presses Return.
void chooseFile(KelvoDialogScript& script, const QString& fileName);
// Adds the step that presses button `button` of a message dialog (0: the Escape key) and keeps
// its text.
void answerMessage(KelvoDialogScript& script, QString* text, int button = 1);

// Drags the left button through picture points at the widget's zoom and offset.
void drag(KelvoImgWidget* widget, const QList<QPoint>& path);
// Drags from a rectangle's top left corner through its centre to its bottom right corner.
void dragRect(KelvoImgWidget* widget, const QRect& rect);
// Adds the step that chooses the text kind `kind` (a radio button's name) and presses OK.
void chooseTextType(KelvoDialogScript& script, const QString& kind);
// Adds the step that types `text` into the text dialog and presses OK.
void enterText(KelvoDialogScript& script, const QString& text);

// What one coded region carries, as text: "text:...", "dict:...", "shaped:..." (the raw block),
// "image".
struct DecodedRegion {
    QStringList items;
};
// The regions of the picture in `fileName` by key; empty when it is not coded.
std::map<unsigned, DecodedRegion> decodeFile(const QString& fileName);

} // namespace EncoderTest
