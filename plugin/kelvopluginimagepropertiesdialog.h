// The plug-in's "Image Properties" dialog: file name and location, original and displayed
// sizes, file size and the counts of the picture's annotations.
#pragma once

#include "decodestatistics.h"

#include <QDialog>
#include <QSize>

class QLabel;
class QLineEdit;

class KelvoPluginImagePropertiesDialog : public QDialog {
    Q_OBJECT
public:
    explicit KelvoPluginImagePropertiesDialog(QWidget* parent);

    void setProperties(const QString& fileName, const QString& location, QSize original,
                       QSize displayed, qint64 fileSize, const DecodeStatistics& statistics);

    // "unknown" for a negative size, "N bytes" up to 1024 bytes, else kilobytes or, above
    // 1024 kilobytes, megabytes followed by the exact size: "2KB (2048 bytes)".
    static QString fileSizeText(qint64 bytes);

private:
    QLabel* addRow(int row, const QString& caption, const QString& objectName);

    QLabel* m_title;
    QLineEdit* m_location;
    QLabel* m_width;
    QLabel* m_height;
    QLabel* m_fileSize;
    QLabel* m_annotatedAreas;
    QLabel* m_unformattedTexts;
    QLabel* m_formattedTexts;
    QLabel* m_translatableTexts;
    QLabel* m_encodedImages;
    QLabel* m_notShown;
};
