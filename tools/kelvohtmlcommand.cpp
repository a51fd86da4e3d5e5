#include "kelvohtmlcommand.h"

#include "kelvohtmlcode.h"
#include "kelvopicturefile.h"

QString KelvoHtmlCommand::text(const QString& image, const std::optional<QString>& link, bool web) {
    const QImage picture = KelvoPictureFile::load(image);
    return (web ? kelvoWebHtmlCode : kelvoHtmlCode)(image, QString::number(picture.width()),
                                                    QString::number(picture.height()),
                                                    link.has_value(), link.value_or(QString()));
}
