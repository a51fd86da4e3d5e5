// The plug-in viewer: scaling to the page, hovering over a scaled picture, the context menu,
// the properties dialog, saving, and the menu's outlines and dictionary items reaching the
// viewer (what they do there is the shared viewer's, tested with it).
#include "kelvodialogscript.h"
#include "kelvopluginimagepropertiesdialog.h"
#include "kelvopluginviewerwidget.h"
#include "kelvotextwidget.h"
#include "viewertestdata.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QSize PictureSize(100, 80);
const QRect AlphaRect(10, 10, 30, 30);
const QRect BetaRect(60, 40, 30, 30);
const QRect HouseRect(60, 4, 30, 20);

class LinkedViewer : public KelvoPluginViewerWidget {
public:
    bool hasLink() const override { return true; }
};

// A viewer of `page` size showing `picture` as the plug-in shows it.
std::unique_ptr<KelvoPluginViewerWidget> showPicture(const QImage& picture, QSize page,
                                                     bool linked = false) {
    std::unique_ptr<KelvoPluginViewerWidget> viewer(linked ? new LinkedViewer
                                                           : new KelvoPluginViewerWidget);
    viewer->resize(page);
    viewer->show();
    viewer->setFileSize(2048);
    viewer->setScale(page.width(), page.height(), picture.width(), picture.height());
    viewer->prepare(picture, QStringLiteral("http://example.org/pictures/pic.png"));
    return viewer;
}

// The text shown after the pointer moved to picture point `at`.
QString hoveredText(KelvoPluginViewerWidget& viewer, QPoint at) {
    const QPoint pos(int((at.x() + 0.5) * viewer.horizontalScale()),
                     int((at.y() + 0.5) * viewer.verticalScale()));
    QMouseEvent move(QEvent::MouseMove, pos, viewer.mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&viewer, &move);
    KelvoTextWidget* text = viewer.activeTextWidget();
    return text && text->isVisible() ? text->text() : QString();
}

// The menu in one line: texts separated by "|", "-" for separators, with markers for disabled,
// checkable and submenu items.
QString menuLines(const QMenu* menu) {
    QStringList lines;
    const auto actions = menu->actions();
    for (const QAction* action : actions) {
        QString line = action->isSeparator() ? QStringLiteral("-") : action->text();
        if (!action->isEnabled())
            line += QStringLiteral(" [disabled]");
        if (action->isCheckable())
            line += QStringLiteral(" [check]");
        if (action->menu())
            line += QStringLiteral(" [menu]");
        lines << line;
    }
    return lines.join(QLatin1Char('|'));
}

QAction* findAction(const QMenu* menu, const QString& text) {
    const auto actions = menu->actions();
    const auto found = std::find_if(actions.begin(), actions.end(),
                                    [&](const QAction* action) { return action->text() == text; });
    return found == actions.end() ? nullptr : *found;
}

} // namespace

class KelvoPluginViewerWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        m_dictionary = std::make_unique<ViewerTestData::Dictionary>();
        const std::vector<std::pair<QRect, QString>> texts{{AlphaRect, "alpha"},
                                                           {BetaRect, "beta"}};
        m_coded = ViewerTestData::codedPicture(PictureSize, texts);
        m_codedWithDictionary = ViewerTestData::codedPicture(PictureSize, texts, HouseRect);
        QVERIFY(!m_coded.isNull());
        QVERIFY(!m_codedWithDictionary.isNull());
    }

    void cleanupTestCase() { m_dictionary.reset(); }

    // The picture is shown at the page's size unless that is within a pixel of its own; the
    // regions are found at their scaled places. ("Twice the size" is the host's row.)
    void scaledPage() {
        const std::pair<QSize, QSize> rows[] = {
            // page, displayed
            {PictureSize, PictureSize}, {{101, 81}, PictureSize}, {{100, 79}, PictureSize},
            {{102, 80}, {102, 80}},     {{50, 40}, {50, 40}},     {{300, 100}, {300, 100}}};
        for (const auto& [page, displayed] : rows) {
            auto viewer = showPicture(m_coded, page);
            QCOMPARE(viewer->originalSize(), PictureSize);
            QCOMPARE(viewer->displayedSize(), displayed);
            QCOMPARE(viewer->outlineImage().size(), displayed);
            QCOMPARE(hoveredText(*viewer, AlphaRect.center()), "alpha");
            QCOMPARE(hoveredText(*viewer, BetaRect.center()), "beta");
            QCOMPARE(hoveredText(*viewer, QPoint(50, 70)), QString());
        }
    }

    // The menu's items follow the picture and the link; it is built once, and only the right button
    // pops it up.
    void contextMenu() {
        const QString head = QStringLiteral("Image Properties|Open Link Location [disabled]|");
        const std::tuple<QImage, bool, QString> rows[] = {
            {ViewerTestData::picture(PictureSize), false, head + "Save Image As|-|-|About"},
            {m_coded, false,
             head +
                 "Save Image As|-|Show Image Outlines [check]|Image Dictionary [disabled]|-|About"},
            {m_codedWithDictionary, true,
             "Image Properties|Open Link Location|Save Image As|-|Show Image Outlines [check]|"
             "Image Dictionary [menu]|-|About"}};
        for (const auto& [picture, linked, lines] : rows) {
            auto viewer = showPicture(picture, PictureSize, linked);
            QMenu* menu = viewer->contextMenu();
            QCOMPARE(menuLines(menu), lines);
            QCOMPARE(viewer->cursor().shape(), linked ? Qt::PointingHandCursor : Qt::ArrowCursor);
            viewer->prepare(picture, QStringLiteral("again.png"));
            QCOMPARE(viewer->contextMenu(), menu);
            QCOMPARE(menuLines(menu), lines);
            QTest::mouseClick(viewer.get(), Qt::LeftButton, {}, QPoint(5, 5));
            QVERIFY(!menu->isVisible());
            QTest::mousePress(viewer.get(), Qt::RightButton, {}, QPoint(5, 5));
            QTRY_VERIFY(menu->isVisible());
            menu->hide();
        }
    }

    // The file name and size texts the dialog shows, and the dialog on a picture of every record
    // kind, opened from the menu.
    void propertiesDialog() {
        for (const char* url : {"http://example.org/a/pic.png", "C:\\pictures\\pic.png",
                                "file:///a\\b/c\\pic.png", "pic.png"})
            QCOMPARE(KelvoPluginViewerWidget::fileNameOf(url), "pic.png");
        QCOMPARE(KelvoPluginViewerWidget::fileNameOf("http://example.org/a/"), QString());
        const QList<QPair<qint64, QString>> sizes{{-1, "unknown"},
                                                  {0, "0 bytes"},
                                                  {1025, "1.00098KB (1025 bytes)"},
                                                  {1 << 20, "1024KB (1048576 bytes)"},
                                                  {3 << 19, "1.5MB (1572864 bytes)"}};
        for (const auto& [bytes, text] : sizes)
            QCOMPARE(KelvoPluginImagePropertiesDialog::fileSizeText(bytes), text);

        const QImage picture =
            ViewerTestData::codedPicture(PictureSize, {{AlphaRect, "alpha"}}, HouseRect, BetaRect);
        auto viewer = showPicture(picture, QSize(200, 120));
        findAction(viewer->contextMenu(), QStringLiteral("Image Properties"))->trigger();
        KelvoPluginImagePropertiesDialog* dialog = viewer->propertiesDialog();
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->isModal());
        QStringList values;
        for (const char* name :
             {"title", "width", "height", "fileSize", "annotatedAreas", "unformattedTexts",
              "formattedTexts", "translatableTexts", "encodedImages", "notShown"})
            values << dialog->findChild<QLabel*>(QLatin1String(name))->text();
        QCOMPARE(values, QStringList({"Properties for \"pic.png\"",
                                      "100 px (original) / 200 px (displayed)",
                                      "80 px (original) / 120 px (displayed)", "2KB (2048 bytes)",
                                      "3", "1", "0", "1", "1", "0"}));
        QLineEdit* location = dialog->findChild<QLineEdit*>(QStringLiteral("location"));
        QCOMPARE(location->text(), "http://example.org/pictures/pic.png");
        QCOMPARE(location->cursorPosition(), 0);
        dialog->findChild<QPushButton*>()->click();
        QVERIFY(!dialog->isVisible());

        viewer->setFileSize(1024);
        viewer->imagePropertiesCB();
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("fileSize"))->text(), "1024 bytes");
    }

    // The outline and dictionary items reach the viewer. Every name saves the original picture,
    // a name that is not ".bmp" or ".png" as PNG with ".png" added, and the author is told where
    // it went or why it did not.
    void menuItems() {
        const std::tuple<const char*, const char*, QByteArray> rows[] = {
            // chosen, saved, format (empty: nothing can be written, a folder has the name)
            {"pic.PNG", "pic.PNG", "png"},
            {"pic.bmp", "pic.bmp", "bmp"},
            {"pic.jpg", "pic.jpg.png", "png"},
            {"shots.png/pic", "shots.png/pic.png", "png"},
            {"taken", "taken.png", {}}};
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("shots.png")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.png")));
        // Shown scaled; the original is what gets saved.
        auto viewer = showPicture(m_codedWithDictionary, QSize(200, 160));
        // The outline and dictionary items.
        QAction* outlines =
            findAction(viewer->contextMenu(), QStringLiteral("Show Image Outlines"));
        for (const bool on : {true, false}) {
            outlines->trigger();
            QCOMPARE(viewer->outlinesShown(), on);
            QCOMPARE(viewer->displayedImage(),
                     on ? &viewer->outlineImage() : &viewer->pictureImage());
        }
        QMenu* dictionary =
            findAction(viewer->contextMenu(), QStringLiteral("Image Dictionary"))->menu();
        findAction(dictionary, QStringLiteral("Show coded word"))->trigger();
        QCOMPARE(viewer->translation(), KelvoTranslationSettings({3, 0, false, true}));
        // Saving under each name.
        for (const auto& [name, saved, format] : rows) {
            QString message;
            KelvoDialogScript script;
            script
                .then<QFileDialog>([&, name = name](QFileDialog* dialog) {
                    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                    QVERIFY(edit);
                    edit->setText(dir.filePath(QLatin1String(name)));
                    QTest::keyClick(edit, Qt::Key_Return);
                })
                .then<QMessageBox>([&](QMessageBox* box) {
                    message = box->text();
                    QTest::keyClick(box, Qt::Key_Enter);
                });
            findAction(viewer->contextMenu(), QStringLiteral("Save Image As"))->trigger();
            QVERIFY2(script.done(), qPrintable(script.failure()));
            const QString path = dir.filePath(QLatin1String(saved));
            if (format.isEmpty()) {
                QVERIFY2(message.startsWith("The image could not be saved as\n" + path + '\n'),
                         qPrintable(message));
                continue;
            }
            QCOMPARE(message, "The image was saved as\n" + path);
            QCOMPARE(QFileInfo::exists(dir.filePath(QLatin1String(name))),
                     qstrcmp(name, saved) == 0);
            QImageReader reader(path);
            QCOMPARE(reader.format(), format);
            QCOMPARE(reader.read().convertToFormat(QImage::Format_RGB32),
                     m_codedWithDictionary.convertToFormat(QImage::Format_RGB32));
        }
    }

private:
    std::unique_ptr<ViewerTestData::Dictionary> m_dictionary;
    QImage m_coded;
    QImage m_codedWithDictionary;
};

QTEST_MAIN(KelvoPluginViewerWidgetTest)
#include "kelvopluginviewerwidget_test.moc"
