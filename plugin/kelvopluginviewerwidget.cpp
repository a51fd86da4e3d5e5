#include "kelvopluginviewerwidget.h"

#include "kelvoconfig.h"
#include "kelvodecodehandler.h"
#include "kelvoimagewriter.h"
#include "kelvopluginimagepropertiesdialog.h"
#include "kelvotranslationmenu.h"
#include "kelvoviewershapedtext.h"
#include "kelvoxmlparser.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include <cmath>

namespace {

QPoint scaled(QPoint point, float sx, float sy) {
    return QPoint(qRound(point.x() * sx), qRound(point.y() * sy));
}

QSize scaled(QSize size, float sx, float sy) {
    return QSize(std::max(1, qRound(size.width() * sx)), std::max(1, qRound(size.height() * sy)));
}

} // namespace

KelvoPluginViewerWidget::KelvoPluginViewerWidget(QWidget* parent)
    : KelvoViewerWidget(parent), m_properties(new KelvoPluginImagePropertiesDialog(this)),
      m_about(new QMessageBox(QMessageBox::Information, tr("Program Info"),
                              tr("Kelvo Version 0.7\n"
                                 "Shows the annotations hidden in pictures on web pages."),
                              QMessageBox::Ok, this)) {
    setObjectName(QStringLiteral("KELVO_PLUGIN_VIEWER_WIDGET"));
}

QString KelvoPluginViewerWidget::widgetKey() const {
    return QStringLiteral("KELVO_PLUGIN_VIEWER_WIDGET");
}

void KelvoPluginViewerWidget::setScale(int viewerWidth, int viewerHeight, int imageWidth,
                                       int imageHeight) {
    // A picture without extent, or a page that names none, is shown at its own size.
    m_scaleX = imageWidth > 0 && viewerWidth > 0 ? float(viewerWidth) / float(imageWidth) : 1.0f;
    m_scaleY =
        imageHeight > 0 && viewerHeight > 0 ? float(viewerHeight) / float(imageHeight) : 1.0f;
}

bool KelvoPluginViewerWidget::isUnscaled(float factor, int extent) {
    const double slack = 1.1 / extent;
    return 1.0 - slack <= factor && factor <= 1.0 + slack;
}

QString KelvoPluginViewerWidget::fileNameOf(const QString& url) {
    const qsizetype cut =
        std::max(url.lastIndexOf(QLatin1Char('/')), url.lastIndexOf(QLatin1Char('\\')));
    return url.mid(cut + 1);
}

void KelvoPluginViewerWidget::prepare(const QImage& image, const QString& url) {
    m_preparing = true;
    repaint();
    // The page, not the picture, decides the size of the viewer.
    const QSize page = size();
    setImage(image, url);
    setMinimumSize(0, 0);
    resize(page);
    m_originalImage = m_picture;
    if (hasCodedData())
        m_statistics = decodePicture();
    if (!isUnscaled(m_scaleX, m_picture.width()) || !isUnscaled(m_scaleY, m_picture.height()))
        scaleToPage();
    else
        m_scaleX = m_scaleY = 1.0f;
    m_fileName = fileNameOf(url);
    m_fileLocation = url;
    buildContextMenu();
    if (hasLink())
        setCursor(Qt::PointingHandCursor);
    m_preparing = false;
    // The offset depends on the size of the picture shown.
    QResizeEvent resize(size(), size());
    resizeEvent(&resize);
    update();
}

void KelvoPluginViewerWidget::scaleToPage() {
    const QSize page = scaled(m_picture.size(), m_scaleX, m_scaleY);
    m_picture = m_picture.scaled(page, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!m_outlineImage.isNull())
        m_outlineImage =
            m_outlineImage.scaled(page, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_displayed = m_outlinesShown && !m_outlineImage.isNull() ? &m_outlineImage : &m_picture;
    for (auto& [key, objects] : m_regions) {
        if (!objects.image.isNull()) {
            objects.image = objects.image.scaled(scaled(objects.image.size(), m_scaleX, m_scaleY),
                                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            objects.imageOrigin = scaled(objects.imageOrigin, m_scaleX, m_scaleY);
        }
        for (KelvoViewerShapedText* shapedText : objects.shapedTexts)
            shapedText->setPosition(scaled(shapedText->position(), m_scaleX, m_scaleY));
    }
}

void KelvoPluginViewerWidget::buildContextMenu() {
    if (m_contextMenu)
        return;
    m_contextMenu = new QMenu(this);
    m_contextMenu->addAction(tr("Image Properties"), this,
                             &KelvoPluginViewerWidget::imagePropertiesCB);
    QAction* link = m_contextMenu->addAction(tr("Open Link Location"), this,
                                             &KelvoPluginViewerWidget::visitLinkLocation);
    link->setEnabled(hasLink());
    m_contextMenu->addAction(tr("Save Image As"), this, &KelvoPluginViewerWidget::saveImageCB);
    m_contextMenu->addSeparator();
    if (hasCodedData()) {
        m_outlinesAction = m_contextMenu->addAction(tr("Show Image Outlines"), this,
                                                    &KelvoPluginViewerWidget::imageOutlinesCB);
        m_outlinesAction->setCheckable(true);
        addDictionaryMenu();
    }
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(tr("About"), this, &KelvoPluginViewerWidget::infoCB);
}

void KelvoPluginViewerWidget::addDictionaryMenu() {
    if (m_statistics.translatableTexts <= 0) {
        // A dictionary that could not be loaded says why instead of staying silent.
        const QStringList problems = KelvoXmlParser().problems();
        if (problems.isEmpty()) {
            m_contextMenu->addAction(tr("Image Dictionary"))->setEnabled(false);
            return;
        }
        QMenu* reasons = m_contextMenu->addMenu(tr("Image Dictionary"));
        for (const QString& problem : problems)
            reasons->addAction(problem)->setEnabled(false);
        return;
    }
    auto* dictionary = new KelvoTranslationMenu(KelvoConfig::languages(), this);
    dictionary->setSettings(m_translation);
    connect(dictionary, &KelvoTranslationMenu::changed, this,
            &KelvoPluginViewerWidget::setTranslation);
    dictionary->menu()->setTitle(tr("Image Dictionary"));
    m_contextMenu->addMenu(dictionary->menu());
}

void KelvoPluginViewerWidget::imageOutlinesCB() {
    setOutlinesShown(m_outlinesAction && m_outlinesAction->isChecked());
}

void KelvoPluginViewerWidget::imagePropertiesCB() {
    m_properties->setProperties(m_fileName, m_fileLocation, originalSize(), displayedSize(),
                                m_fileSize, m_statistics);
    m_properties->show();
    m_properties->raise();
}

void KelvoPluginViewerWidget::infoCB() {
    m_about->show();
}

void KelvoPluginViewerWidget::saveImageCB() {
    if (!isLoaded())
        return;
    QFileDialog dialog(this, tr("save file dialog"), m_fileName, QStringLiteral("*.*"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(m_fileName);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        saveOriginal(dialog.selectedFiles().constFirst());
    }
    update();
}

void KelvoPluginViewerWidget::saveOriginal(const QString& chosen) {
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    const bool bmp = suffix == QLatin1String("bmp");
    // Any other name gets a PNG, with ".png" added when missing, as the editor saves.
    const QString name =
        bmp || suffix == QLatin1String("png") ? chosen : chosen + QStringLiteral(".png");
    QString error;
    const QString shown = QDir::toNativeSeparators(name);
    if (writeImageExact(name, m_originalImage, bmp ? "BMP" : "PNG", &error)) {
        QMessageBox::information(this, tr("Kelvo - Message"),
                                 tr("The image was saved as\n%1").arg(shown));
    } else {
        QMessageBox::warning(this, tr("Kelvo - Message"),
                             tr("The image could not be saved as\n%1\n%2").arg(shown, error));
    }
}

void KelvoPluginViewerWidget::paintEvent(QPaintEvent* event) {
    if (!m_preparing) {
        KelvoViewerWidget::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const int inset = width() / 8;
    painter.drawText(QRect(inset, 0, width() - 2 * inset, height()),
                     Qt::AlignCenter | Qt::TextWordWrap, tr("Preparing Image"));
}

void KelvoPluginViewerWidget::mouseMoveEvent(QMouseEvent* event) {
    m_pointerPos = event->position().toPoint();
    const QPoint inPicture = toImageCoordinates(m_pointerPos);
    m_lookupPos = QPoint(static_cast<int>(std::floor(inPicture.x() / m_scaleX)),
                         static_cast<int>(std::floor(inPicture.y() / m_scaleY)));
    updateHover();
}

void KelvoPluginViewerWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && m_contextMenu && displayedImage()) {
        m_contextMenu->popup(event->globalPosition().toPoint());
        return;
    }
    KelvoViewerWidget::mousePressEvent(event);
}
