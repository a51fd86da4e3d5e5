#include "kelvopluginimagepropertiesdialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kRows = 14;
constexpr int kMargin = 10;
constexpr int kSpacing = 1;
constexpr int kLocationMinimumWidth = 200;

QString sizeText(int original, int displayed) {
    return KelvoPluginImagePropertiesDialog::tr("%1 px (original) / %2 px (displayed)")
        .arg(original)
        .arg(displayed);
}

} // namespace

KelvoPluginImagePropertiesDialog::KelvoPluginImagePropertiesDialog(QWidget* parent)
    : QDialog(parent) {
    setModal(true);
    setWindowTitle(tr("Image Properties"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    grid->setSpacing(kSpacing);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("title"));
    grid->addWidget(m_title, 0, 0, 1, 2);
    grid->addWidget(new QLabel(this), 1, 0);

    grid->addWidget(new QLabel(tr("File Location:"), this), 2, 0);
    m_location = new QLineEdit(this);
    m_location->setObjectName(QStringLiteral("location"));
    m_location->setReadOnly(true);
    m_location->setMinimumWidth(kLocationMinimumWidth);
    QPalette locationPalette = m_location->palette();
    locationPalette.setColor(QPalette::Base, palette().color(QPalette::Window));
    m_location->setPalette(locationPalette);
    grid->addWidget(m_location, 2, 1);

    m_width = addRow(3, tr("Width:"), QStringLiteral("width"));
    m_height = addRow(4, tr("Height:"), QStringLiteral("height"));
    m_fileSize = addRow(5, tr("File Size:"), QStringLiteral("fileSize"));
    m_annotatedAreas = addRow(6, tr("Annotated Areas:"), QStringLiteral("annotatedAreas"));
    m_unformattedTexts = addRow(7, tr("  Unformatted Texts:"), QStringLiteral("unformattedTexts"));
    m_formattedTexts = addRow(8, tr("  Formatted Texts:"), QStringLiteral("formattedTexts"));
    m_translatableTexts =
        addRow(9, tr("  Translateable Texts:  "), QStringLiteral("translatableTexts"));
    m_encodedImages = addRow(10, tr("  Encoded Images:"), QStringLiteral("encodedImages"));
    m_notShown =
        addRow(11, tr("  Not shown (over the viewer's limits):"), QStringLiteral("notShown"));
    grid->addWidget(new QLabel(this), 12, 0);

    auto* close = new QPushButton(tr("Close"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    grid->addWidget(close, kRows - 1, 1, Qt::AlignRight);
}

QLabel* KelvoPluginImagePropertiesDialog::addRow(int row, const QString& caption,
                                                 const QString& objectName) {
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(new QLabel(caption, this), row, 0);
    auto* value = new QLabel(this);
    value->setObjectName(objectName);
    grid->addWidget(value, row, 1);
    return value;
}

void KelvoPluginImagePropertiesDialog::setProperties(const QString& fileName,
                                                     const QString& location, QSize original,
                                                     QSize displayed, qint64 fileSize,
                                                     const DecodeStatistics& statistics) {
    m_title->setText(tr("Properties for \"%1\"").arg(fileName));
    m_location->setText(location);
    m_location->setCursorPosition(0);
    m_width->setText(sizeText(original.width(), displayed.width()));
    m_height->setText(sizeText(original.height(), displayed.height()));
    m_fileSize->setText(fileSizeText(fileSize));
    m_annotatedAreas->setNum(statistics.annotatedAreas);
    m_unformattedTexts->setNum(statistics.unformattedTexts);
    m_formattedTexts->setNum(statistics.formattedTexts);
    m_translatableTexts->setNum(statistics.translatableTexts);
    m_encodedImages->setNum(statistics.encodedImages);
    m_notShown->setNum(statistics.notShown);
}

QString KelvoPluginImagePropertiesDialog::fileSizeText(qint64 bytes) {
    if (bytes < 0)
        return tr("unknown");
    if (bytes <= 1024)
        return tr("%1 bytes").arg(bytes);
    const double kilobytes = static_cast<double>(bytes) / 1024.0;
    if (kilobytes > 1024.0)
        return tr("%1MB (%2 bytes)").arg(kilobytes / 1024.0).arg(bytes);
    return tr("%1KB (%2 bytes)").arg(kilobytes).arg(bytes);
}
