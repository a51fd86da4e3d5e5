// A widget that loads, holds and paints one picture, centred. The editor's encoder and
// selection windows and every viewer derive from it. Hosts hear from it through its signals.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

class KelvoImgWidget : public QWidget {
    Q_OBJECT
public:
    // Longest side of the minimum size a picture asks for.
    static constexpr int kMinimumSide = 100;
    static constexpr int kStatusDurationMs = 10000;

    explicit KelvoImgWidget(QWidget* parent = nullptr);

    // Loads a picture (format detected from the contents). Pictures other than 32-bit RGB are
    // converted to it unless convertTo32Bits is off. False when the file cannot be read as a
    // picture: `failure`, when given, then receives a line naming the file and the reason;
    // without it a warning box shows that line.
    bool loadImage(const QString& fileName, QString* failure = nullptr);
    // A warning box that names the pictures that could not be loaded, one failure line of
    // loadImage() each.
    static void warnNotLoaded(QWidget* parent, const QStringList& failures);
    // Takes `image` as the picture, as loadImage() does with a loaded file; `fileName` names
    // where it came from. False, after a warning box, for an image without pixels.
    bool setImage(const QImage& image, const QString& fileName = QString());
    // Takes a deep copy of `other`'s picture (not its signal connections).
    virtual void copyFrom(const KelvoImgWidget& other);
    // Tells the kinds of windows apart: "KELVO_IMG_WIDGET" here.
    virtual QString widgetKey() const;
    // Writes the picture as PNG that reproduces it exactly (writeImageExact); false when it
    // cannot be written. Once written, the widget stands for that file: its name and title,
    // and it is no longer modified.
    bool saveImage(const QString& fileName);

    // The text after the last "." of the file name itself (folder names do not count); empty,
    // with `hasExtension` false, when the file name has no ".".
    static QString fileExtension(const QString& fileName, bool* hasExtension);

    QPoint toImageCoordinates(QPoint widgetPoint) const { return widgetPoint - m_offset; }
    // `widgetPoint` moved onto the nearest pixel of the picture.
    QPoint clampToImage(QPoint widgetPoint) const;
    // The image painted: the picture, or in a viewer possibly its outline image; null until a
    // picture is loaded.
    const QImage* displayedImage() const { return m_loaded ? m_displayed : nullptr; }

    const QImage& picture() const { return m_picture; }
    const QString& fileName() const { return m_fileName; }
    bool isLoaded() const { return m_loaded; }
    bool hasPicture() const { return m_picturePresent; }
    bool hasCodedData() const { return m_hasCodedData; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    bool convertsTo32Bits() const { return m_convertTo32Bits; }
    void setConvertTo32Bits(bool on) { m_convertTo32Bits = on; }
    // Top-left of the picture in the widget, and how the last resize changed it.
    QPoint offset() const { return m_offset; }
    QPoint offsetChange() const { return m_offsetChange; }
    bool offsetChanged() const { return m_offsetChanged; }
    void setOffsetChanged(bool changed) { m_offsetChanged = changed; }

signals:
    // The author asked, on closing, to save the modified picture of `window` (this widget).
    // A receiver that saves it clears the modified state; otherwise the widget stays open.
    void saveRequested(KelvoImgWidget* window);
    // A message for the host's status line, shown for `durationMs`.
    void statusMessage(const QString& text, int durationMs);
    // The widget accepted its close.
    void closed();
    // The widget asks its host to replace it: by a window on the file `fileName`, or, when the
    // name is empty, by a fresh window on a copy of `window`'s picture. The host must delete
    // `window` with deleteLater(): the signal may come from the window's own handlers.
    void replaceRequested(KelvoImgWidget* window, const QString& fileName);

protected:
    // Called after a picture was loaded or copied in.
    virtual void pictureLoaded() {}

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Asks about a modified picture: "Save", "No" or "Cancel" (also Escape and closing the
    // box). Cancel, or a save that did not happen, keeps the widget open.
    void closeEvent(QCloseEvent* event) override;

    // Paints `image` at the offset, only where `event` asks for it.
    void paintImage(QPainter& painter, const QImage& image, const QPaintEvent* event) const;

    QImage m_picture;
    QString m_fileName;
    const QImage* m_displayed = nullptr;
    bool m_picturePresent = false;
    bool m_hasCodedData = false;
    bool m_loaded = false;
    bool m_testForCodedData = false;
    bool m_modified = false;
    bool m_convertTo32Bits = true;
    QPoint m_offset;
    QPoint m_offsetChange;
    bool m_offsetChanged = true;

private:
    // Whether closing may go on after the question about the modified picture.
    bool closingAllowed();
};
