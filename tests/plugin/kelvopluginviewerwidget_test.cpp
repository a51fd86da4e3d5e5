// The plug-in viewer: scaling to the page, hovering over a scaled picture, the context menu,
// the properties dialog, saving, outlines and the dictionary submenu.
#include "kelvopluginimagepropertiesdialog.h"
#include "kelvopluginviewerwidget.h"
#include "kelvotextwidget.h"
#include "plugintestdata.h"
#include "viewertestdata.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using PluginTestData::TextRegion;

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

QString hoveredText(KelvoPluginViewerWidget& viewer, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, viewer.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&viewer, &move);
    KelvoTextWidget* text = viewer.activeTextWidget();
    return text && text->isVisible() ? text->text() : QString();
}

// The menu as lines: text, "-" for separators, with markers for disabled, checkable and
// submenu items.
QStringList menuLines(const QMenu* menu) {
    QStringList lines;
    const auto actions = menu->actions();
    for (const QAction* action : actions) {
        if (action->isSeparator()) {
            lines << QStringLiteral("-");
            continue;
        }
        QString line = action->text();
        if (!action->isEnabled())
            line += QStringLiteral(" [disabled]");
        if (action->isCheckable())
            line += QStringLiteral(" [check]");
        if (action->menu())
            line += QStringLiteral(" [menu]");
        lines << line;
    }
    return lines;
}

QAction* findAction(const QMenu* menu, const QString& text) {
    const auto actions = menu->actions();
    for (QAction* action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

class KelvoPluginViewerWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void scaling_data();
    void scaling();
    void hoverFindsRegion_data();
    void hoverFindsRegion();
    void contextMenu_data();
    void contextMenu();
    void rightClickPopsUpMenu();
    void fileNameOf_data();
    void fileNameOf();
    void fileSizeText_data();
    void fileSizeText();
    void propertiesDialog();
    void saveImageAs_data();
    void saveImageAs();
    void outlinesFollowScale();
    void dictionarySubmenu();

private:
    std::unique_ptr<ViewerTestData::Dictionary> m_dictionary;
    QImage m_coded;
    QImage m_codedWithDictionary;
};

void KelvoPluginViewerWidgetTest::initTestCase() {
    m_dictionary = std::make_unique<ViewerTestData::Dictionary>();
    const std::vector<TextRegion> texts{{AlphaRect, QStringLiteral("alpha")},
                                        {BetaRect, QStringLiteral("beta")}};
    m_coded = PluginTestData::codedPicture(PictureSize, texts);
    m_codedWithDictionary = PluginTestData::codedPicture(PictureSize, texts, HouseRect);
    QVERIFY(!m_coded.isNull());
    QVERIFY(!m_codedWithDictionary.isNull());
}

void KelvoPluginViewerWidgetTest::cleanupTestCase() {
    m_dictionary.reset();
}

void KelvoPluginViewerWidgetTest::scaling_data() {
    QTest::addColumn<QSize>("page");
    QTest::addColumn<QSize>("displayed");
    QTest::newRow("same size") << PictureSize << PictureSize;
    QTest::newRow("one wider") << QSize(101, 80) << PictureSize;
    QTest::newRow("one lower") << QSize(100, 79) << PictureSize;
    QTest::newRow("two wider") << QSize(102, 80) << QSize(102, 80);
    QTest::newRow("twice the size") << QSize(200, 160) << QSize(200, 160);
    QTest::newRow("half the size") << QSize(50, 40) << QSize(50, 40);
}

void KelvoPluginViewerWidgetTest::scaling() {
    QFETCH(QSize, page);
    QFETCH(QSize, displayed);
    auto viewer = showPicture(m_coded, page);
    QCOMPARE(viewer->originalSize(), PictureSize);
    QCOMPARE(viewer->displayedSize(), displayed);
    QCOMPARE(viewer->displayedImage()->size(), displayed);
    QCOMPARE(viewer->outlineImage().size(), displayed);
    // Hit-testing stays on the picture's own id image.
    QCOMPARE(viewer->idImage().size(), PictureSize);
    QCOMPARE(viewer->originalImage(), m_coded.convertToFormat(viewer->originalImage().format()));
}

void KelvoPluginViewerWidgetTest::hoverFindsRegion_data() {
    QTest::addColumn<QSize>("page");
    QTest::addColumn<QPoint>("pictureAt");
    QTest::addColumn<QString>("text");
    const QPoint inAlpha = AlphaRect.center();
    const QPoint inBeta = BetaRect.center();
    const QPoint background(50, 70);
    for (const QSize& page :
         {PictureSize, QSize(101, 81), QSize(200, 160), QSize(300, 100), QSize(50, 40)}) {
        const QByteArray size =
            QByteArray::number(page.width()) + "x" + QByteArray::number(page.height());
        QTest::newRow(size + " alpha") << page << inAlpha << "alpha";
        QTest::newRow(size + " beta") << page << inBeta << "beta";
        QTest::newRow(size + " background") << page << background << QString();
    }
}

void KelvoPluginViewerWidgetTest::hoverFindsRegion() {
    QFETCH(QSize, page);
    QFETCH(QPoint, pictureAt);
    QFETCH(QString, text);
    auto viewer = showPicture(m_coded, page);
    const QPoint at(int((pictureAt.x() + 0.5) * viewer->horizontalScale()),
                    int((pictureAt.y() + 0.5) * viewer->verticalScale()));
    QCOMPARE(hoveredText(*viewer, at), text);
}

void KelvoPluginViewerWidgetTest::contextMenu_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<bool>("linked");
    QTest::addColumn<QStringList>("lines");
    QImage plain = ViewerTestData::picture(PictureSize);
    QTest::newRow("picture without data")
        << plain << false << QStringList{"Image Properties",
                                         "Open Link Location [disabled]",
                                         "Save Image As",
                                         "-",
                                         "-",
                                         "About"};
    QTest::newRow("coded, no dictionary") << m_coded << false
                                          << QStringList{"Image Properties",
                                                         "Open Link Location [disabled]",
                                                         "Save Image As",
                                                         "-",
                                                         "Show Image Outlines [check]",
                                                         "Image Dictionary [disabled]",
                                                         "-",
                                                         "About"};
    QTest::newRow("coded with dictionary and link") << m_codedWithDictionary << true
                                                    << QStringList{"Image Properties",
                                                                   "Open Link Location",
                                                                   "Save Image As",
                                                                   "-",
                                                                   "Show Image Outlines [check]",
                                                                   "Image Dictionary [menu]",
                                                                   "-",
                                                                   "About"};
}

void KelvoPluginViewerWidgetTest::contextMenu() {
    QFETCH(QImage, picture);
    QFETCH(bool, linked);
    QFETCH(QStringList, lines);
    auto viewer = showPicture(picture, PictureSize, linked);
    QVERIFY(viewer->contextMenu());
    QCOMPARE(menuLines(viewer->contextMenu()), lines);
    QCOMPARE(viewer->cursor().shape(), linked ? Qt::PointingHandCursor : Qt::ArrowCursor);
    // Built once: a second picture keeps the menu.
    QMenu* menu = viewer->contextMenu();
    viewer->prepare(picture, QStringLiteral("again.png"));
    QCOMPARE(viewer->contextMenu(), menu);
    QCOMPARE(menuLines(menu), lines);
}

void KelvoPluginViewerWidgetTest::rightClickPopsUpMenu() {
    auto viewer = showPicture(m_coded, PictureSize);
    QTest::mouseClick(viewer.get(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!viewer->contextMenu()->isVisible());
    QTest::mousePress(viewer.get(), Qt::RightButton, {}, QPoint(5, 5));
    QTRY_VERIFY(viewer->contextMenu()->isVisible());
    viewer->contextMenu()->hide();
}

void KelvoPluginViewerWidgetTest::fileNameOf_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("name");
    QTest::newRow("url") << "http://example.org/a/pic.png"
                         << "pic.png";
    QTest::newRow("backslashes") << "C:\\pictures\\pic.png"
                                 << "pic.png";
    QTest::newRow("mixed") << "file:///a\\b/c\\pic.png"
                           << "pic.png";
    QTest::newRow("bare name") << "pic.png"
                               << "pic.png";
    QTest::newRow("folder") << "http://example.org/a/"
                            << "";
}

void KelvoPluginViewerWidgetTest::fileNameOf() {
    QFETCH(QString, url);
    QFETCH(QString, name);
    QCOMPARE(KelvoPluginViewerWidget::fileNameOf(url), name);
}

void KelvoPluginViewerWidgetTest::fileSizeText_data() {
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("unknown") << qint64(-1) << "unknown";
    QTest::newRow("empty") << qint64(0) << "0 bytes";
    QTest::newRow("1024 bytes") << qint64(1024) << "1024 bytes";
    QTest::newRow("1025 bytes") << qint64(1025) << "1.00098KB (1025 bytes)";
    QTest::newRow("2048 bytes") << qint64(2048) << "2KB (2048 bytes)";
    QTest::newRow("1024 kilobytes") << qint64(1 << 20) << "1024KB (1048576 bytes)";
    QTest::newRow("1.5 megabytes") << qint64(3 << 19) << "1.5MB (1572864 bytes)";
}

void KelvoPluginViewerWidgetTest::fileSizeText() {
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(KelvoPluginImagePropertiesDialog::fileSizeText(bytes), text);
}

void KelvoPluginViewerWidgetTest::propertiesDialog() {
    const QImage picture = PluginTestData::codedPicture(
        PictureSize, {{AlphaRect, QStringLiteral("alpha")}}, HouseRect, BetaRect);
    auto viewer = showPicture(picture, QSize(200, 120));
    findAction(viewer->contextMenu(), QStringLiteral("Image Properties"))->trigger();
    KelvoPluginImagePropertiesDialog* dialog = viewer->propertiesDialog();
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Image Properties"));
    auto value = [dialog](const char* name) {
        return dialog->findChild<QLabel*>(QLatin1String(name))->text();
    };
    QCOMPARE(value("title"), QStringLiteral("Properties for \"pic.png\""));
    QLineEdit* location = dialog->findChild<QLineEdit*>(QStringLiteral("location"));
    QCOMPARE(location->text(), QStringLiteral("http://example.org/pictures/pic.png"));
    QVERIFY(location->isReadOnly());
    QCOMPARE(location->cursorPosition(), 0);
    QCOMPARE(value("width"), QStringLiteral("100 px (original) / 200 px (displayed)"));
    QCOMPARE(value("height"), QStringLiteral("80 px (original) / 120 px (displayed)"));
    QCOMPARE(value("fileSize"), QStringLiteral("2KB (2048 bytes)"));
    QCOMPARE(value("annotatedAreas"), QStringLiteral("3"));
    QCOMPARE(value("unformattedTexts"), QStringLiteral("1"));
    QCOMPARE(value("formattedTexts"), QStringLiteral("0"));
    QCOMPARE(value("translatableTexts"), QStringLiteral("1"));
    QCOMPARE(value("encodedImages"), QStringLiteral("1"));
    QPushButton* close = dialog->findChild<QPushButton*>();
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QVERIFY(close->isDefault());
    close->click();
    QVERIFY(!dialog->isVisible());

    viewer->setFileSize(1024);
    viewer->imagePropertiesCB();
    QCOMPARE(value("fileSize"), QStringLiteral("1024 bytes"));
}

void KelvoPluginViewerWidgetTest::saveImageAs_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("png in capitals") << "pic.PNG" << QByteArray("png");
    QTest::newRow("bmp") << "pic.bmp" << QByteArray("bmp");
    QTest::newRow("jpg") << "pic.jpg" << QByteArray();
    QTest::newRow("no extension") << "pic" << QByteArray();
}

void KelvoPluginViewerWidgetTest::saveImageAs() {
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    // Shown scaled; the original is what gets saved.
    auto viewer = showPicture(m_coded, QSize(200, 160));
    QString caption;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        caption = dialog->windowTitle();
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    findAction(viewer->contextMenu(), QStringLiteral("Save Image As"))->trigger();
    QCOMPARE(caption, QStringLiteral("save file dialog"));
    QCOMPARE(QFileInfo::exists(path), !format.isEmpty());
    if (format.isEmpty())
        return;
    QImageReader reader(path);
    QCOMPARE(reader.format(), format);
    const QImage saved = reader.read();
    QCOMPARE(saved.size(), PictureSize);
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
             m_coded.convertToFormat(QImage::Format_RGB32));
}

void KelvoPluginViewerWidgetTest::outlinesFollowScale() {
    auto viewer = showPicture(m_coded, QSize(200, 160));
    QAction* outlines = findAction(viewer->contextMenu(), QStringLiteral("Show Image Outlines"));
    QVERIFY(!outlines->isChecked());
    outlines->trigger();
    QVERIFY(outlines->isChecked());
    QVERIFY(viewer->outlinesShown());
    QCOMPARE(viewer->displayedImage(), &viewer->outlineImage());
    QCOMPARE(viewer->displayedImage()->size(), QSize(200, 160));
    QVERIFY(viewer->outlineImage() != viewer->pictureImage());
    outlines->trigger();
    QVERIFY(!viewer->outlinesShown());
    QCOMPARE(viewer->displayedImage(), &viewer->pictureImage());
}

void KelvoPluginViewerWidgetTest::dictionarySubmenu() {
    auto viewer = showPicture(m_codedWithDictionary, PictureSize);
    QMenu* dictionary =
        findAction(viewer->contextMenu(), QStringLiteral("Image Dictionary"))->menu();
    QVERIFY(dictionary);
    QCOMPARE(menuLines(dictionary),
             QStringList({"Translate from ... [menu]", "Translate to ... [menu]", "-",
                          "Show coded word [check]", "Show ambiguities [check]"}));
    const QString initial = hoveredText(*viewer, HouseRect.center());
    QVERIFY2(initial.contains(QStringLiteral("Haus")), qPrintable(initial));

    // Source and target groups: picking "FR" as target shows the French term.
    const auto groups = dictionary->findChildren<QButtonGroup*>();
    QCOMPARE(groups.size(), 2);
    QButtonGroup* target = groups[0]->checkedId() == 0 ? groups[0] : groups[1];
    QButtonGroup* source = target == groups[0] ? groups[1] : groups[0];
    QCOMPARE(source->checkedId(), 3);
    target->button(1)->click();
    QCOMPARE(viewer->translation().target, 1);
    QCOMPARE(viewer->translation().source, 3);
    hoveredText(*viewer, QPoint(1, 78));
    QVERIFY(hoveredText(*viewer, HouseRect.center()).contains(QStringLiteral("maison")));
    source->button(0)->click();
    QCOMPARE(viewer->translation().source, 0);

    findAction(dictionary, QStringLiteral("Show coded word"))->trigger();
    QVERIFY(viewer->translation().showCodedWord);
    QVERIFY(!viewer->translation().showAmbiguities);
    findAction(dictionary, QStringLiteral("Show ambiguities"))->trigger();
    QVERIFY(viewer->translation().showAmbiguities);
    findAction(dictionary, QStringLiteral("Show coded word"))->trigger();
    QVERIFY(!viewer->translation().showCodedWord);
    QCOMPARE(viewer->translation().target, 1);
}

QTEST_MAIN(KelvoPluginViewerWidgetTest)
#include "kelvopluginviewerwidget_test.moc"
