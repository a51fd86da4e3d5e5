// The shared viewer adapted to a web page: the picture is scaled to the size the page asks
// for, pointer positions are mapped back to picture coordinates for the hover step, and a
// context menu offers the picture's properties, its link, saving, outlines, the dictionary
// and the about box.
//
// Scaling: the id image stays at the picture's size (hit-testing reads its palette, which a
// smooth scale would lose); the picture, the outline image and the image annotations are
// scaled to the page, and the bubbles moved by the scale factors.
#pragma once

#include "kelvoviewerwidget.h"

#include <QSize>

class KelvoPluginImagePropertiesDialog;
class QAction;
class QMenu;
class QMessageBox;

class KelvoPluginViewerWidget : public KelvoViewerWidget {
    Q_OBJECT
public:
    explicit KelvoPluginViewerWidget(QWidget* parent = nullptr);

    // "KELVO_PLUGIN_VIEWER_WIDGET".
    QString widgetKey() const override;

    // Scale factors page size / picture size, one per direction.
    void setScale(int viewerWidth, int viewerHeight, int imageWidth, int imageHeight);
    float horizontalScale() const { return m_scaleX; }
    float verticalScale() const { return m_scaleY; }
    // Whether the factors are within about a pixel of 1, so the picture is shown unscaled.
    static bool isUnscaled(float factor, int extent);

    // The size of the picture's file in bytes, for the properties dialog; negative: unknown.
    void setFileSize(qint64 bytes) { m_fileSize = bytes; }
    // Takes the picture that came from `url`, decodes its hidden data, scales it as set by
    // setScale() and builds the context menu.
    void prepare(const QImage& image, const QString& url);

    // Whether "Open Link Location" leads somewhere.
    virtual bool hasLink() const { return false; }

    const QImage& originalImage() const { return m_originalImage; }
    QSize originalSize() const { return m_originalImage.size(); }
    QSize displayedSize() const { return m_picture.size(); }
    const QString& fileLocation() const { return m_fileLocation; }
    const DecodeStatistics& statistics() const { return m_statistics; }
    QMenu* contextMenu() const { return m_contextMenu; }
    KelvoPluginImagePropertiesDialog* propertiesDialog() const { return m_properties; }
    QMessageBox* aboutBox() const { return m_about; }

    // The last component of `url`, split at "/" and "\".
    static QString fileNameOf(const QString& url);

public slots:
    void imageOutlinesCB();
    void imagePropertiesCB();
    void infoCB();
    void saveImageCB();
    // Opens the link in the browser; nothing without one.
    virtual void visitLinkLocation() {}

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void scaleToPage();
    void buildContextMenu();
    void addDictionaryMenu();
    // Saves the original picture under `chosen`: as BMP for a ".bmp" name, as PNG for any
    // other, with ".png" added unless the name ends in it; then says where, or why not.
    void saveOriginal(const QString& chosen);

    float m_scaleX = 1.0f;
    float m_scaleY = 1.0f;
    QImage m_originalImage;
    QString m_fileLocation;
    qint64 m_fileSize = -1;
    DecodeStatistics m_statistics;
    bool m_preparing = false;
    QMenu* m_contextMenu = nullptr;
    QAction* m_outlinesAction = nullptr;
    KelvoPluginImagePropertiesDialog* m_properties;
    QMessageBox* m_about;
};
