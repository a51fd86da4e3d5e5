#include "encodertestsupport.h"

#include "kelvodecodeimage.h"
#include "kelvodialogscript.h"
#include "kelvoencdonedlg.h"
#include "kelvoimginputdlg.h"
#include "kelvoimgwidget.h"
#include "kelvomsgdlg.h"
#include "kelvotexttypedlg.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace EncoderTest {

QImage plainPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y, qRgb(40 + x % 180, 60 + y % 160, 120 + (x + y) % 100));
        }
    }
    return picture;
}

void saveAs(KelvoDialogScript& script, const QString& fileName) {
    script.then<KelvoEncDoneDlg>(
        [](KelvoEncDoneDlg* done) { KelvoDialogScript::click(done, QStringLiteral("save")); });
    chooseFile(script, fileName);
}

void chooseFile(KelvoDialogScript& script, const QString& fileName) {
    script.then<QFileDialog>([fileName](QFileDialog* files) {
        auto* edit = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(edit);
        edit->setText(fileName);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

void answerMessage(KelvoDialogScript& script, QString* text, int button) {
    script.then<KelvoMsgDlg>([text, button](KelvoMsgDlg* message) {
        if (text) {
            *text = KelvoDialogScript::messageText(message);
        }
        if (button == 0) {
            QTest::keyClick(message, Qt::Key_Escape);
        } else {
            KelvoDialogScript::click(message, QStringLiteral("button%1").arg(button));
        }
    });
}

void drag(KelvoImgWidget* widget, const QList<QPoint>& path) {
    QTest::mousePress(widget, Qt::LeftButton, {}, widget->toWidgetCoordinates(path.first()));
    for (const QPoint& point : path.mid(1)) {
        QTest::mouseMove(widget, widget->toWidgetCoordinates(point));
    }
    QTest::mouseRelease(widget, Qt::LeftButton, {}, widget->toWidgetCoordinates(path.last()));
}

void dragRect(KelvoImgWidget* widget, const QRect& rect) {
    drag(widget, {rect.topLeft(), rect.center(), rect.bottomRight()});
}

void chooseTextType(KelvoDialogScript& script, const QString& kind) {
    script.then<KelvoTextTypeDlg>([kind](KelvoTextTypeDlg* dialog) {
        auto* button = dialog->findChild<QRadioButton*>(kind);
        QVERIFY2(button, qPrintable(kind));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        KelvoDialogScript::click(dialog, QStringLiteral("okButton"));
    });
}

void enterText(KelvoDialogScript& script, const QString& text) {
    script.then<KelvoImgInputDlg>([text](KelvoImgInputDlg* dialog) {
        KelvoDialogScript::type(dialog, QStringLiteral("textEdit"), text);
        KelvoDialogScript::click(dialog, QStringLiteral("okButton"));
    });
}

std::map<unsigned, DecodedRegion> decodeFile(const QString& fileName) {
    const KelvoDecodedPicture decoded = kelvoDecodeImage(QImage(fileName));
    std::map<unsigned, DecodedRegion> regions;
    for (const auto& [key, objs] : decoded.data) {
        DecodedRegion& region = regions[key];
        for (const KelvoData& record : objs.records) {
            const QString payload =
                QString::fromLatin1(reinterpret_cast<const char*>(record.payload.data()),
                                    qsizetype(record.payload.size()));
            switch (record.type) {
            case TypeText:
                region.items << QStringLiteral("text:") + payload;
                break;
            case TypeDictEntry:
                region.items << QStringLiteral("dict:") + payload;
                break;
            case TypeShapedText:
                region.items << QStringLiteral("shaped:") + payload;
                break;
            default:
                region.items << QStringLiteral("image");
            }
        }
    }
    return regions;
}

} // namespace EncoderTest
