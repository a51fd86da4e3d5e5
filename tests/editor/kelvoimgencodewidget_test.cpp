// The encoder window with real pointer events: regions and their numbers, which data may share
// a region, overlap refusals, generation with its progress and saving, and taking over a coded
// picture.
#include "encodertestsupport.h"
#include "kelvoappviewerwidget.h"
#include "kelvocodedimagebuilder.h"
#include "kelvodatamanagewidget.h"
#include "kelvodialogscript.h"
#include "kelvoeditorshapedtext.h"
#include "kelvogenerator.h"
#include "kelvoimgencodewidget.h"
#include "kelvoimgsnip.h"
#include "kelvotextholderwidget.h"
#include "kelvotextpictures.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using EncoderTest::answerMessage;
using EncoderTest::decodeFile;
using EncoderTest::dragRect;
using EncoderTest::plainPicture;
using EncoderTest::saveAs;
using Generation = KelvoImgEncodeWidget::Generation;

namespace {

constexpr int Width = 240;
constexpr int Height = 180;

KelvoTextHolderWidget* dictHolder(QWidget* parent) {
    return new KelvoTextHolderWidget(parent, QStringLiteral("TextHolder"), QStringLiteral("house"),
                                     KelvoTextPictures::dictHolderIcon(), true);
}

QStringList sortedTexts(const std::map<unsigned, EncoderTest::DecodedRegion>& regions) {
    QStringList all;
    for (const auto& [key, region] : regions) {
        all += region.items;
    }
    all.sort();
    return all;
}

} // namespace

class KelvoImgEncodeWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void textsFillOneRegionUntilTheNextPress();
    void mixingRules_data();
    void mixingRules();
    void numbersAfterDeletions();
    void overlapOfNewOutline_data();
    void overlapOfNewOutline();
    void outlineAcrossCodedRegionRefused();
    void snippetMovedOverTextRegion();
    void progressStepsAndSavedData();
    void failedSaveKeepsWork();
    void hiddenRegions_data();
    void hiddenRegions();
    void hostHearsOfShapedTextsAndImages();
    void pngNames_data();
    void pngNames();

private:
    QTemporaryDir m_dir;
    KelvoImgEncodeWidget* m_encoder = nullptr;
    int m_states = 0;
    bool m_lastHasData = false;
    QString m_replacedWith;
};

void KelvoImgEncodeWidgetTest::init() {
    m_encoder = new KelvoImgEncodeWidget(nullptr, QStringLiteral("_IMG_WIDGET_0"));
    QVERIFY(m_encoder->setImage(plainPicture(Width, Height), QStringLiteral("plain.png")));
    m_encoder->setFixedSize(Width, Height);
    m_encoder->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_encoder));
    QCOMPARE(m_encoder->offset(), QPoint(0, 0));
    m_states = 0;
    m_lastHasData = false;
    m_replacedWith.clear();
    connect(m_encoder, &KelvoImgEncodeWidget::stateChanged, this, [this](bool, bool hasData) {
        ++m_states;
        m_lastHasData = hasData;
    });
    connect(m_encoder, &KelvoImgWidget::replaceRequested, this,
            [this](KelvoImgWidget*, const QString& fileName) { m_replacedWith = fileName; });
}

void KelvoImgEncodeWidgetTest::cleanup() {
    delete m_encoder;
    m_encoder = nullptr;
}

void KelvoImgEncodeWidgetTest::textsFillOneRegionUntilTheNextPress() {
    dragRect(m_encoder, QRect(QPoint(20, 20), QPoint(80, 60)));
    m_encoder->attacher().attachText(QStringLiteral("one"));
    m_encoder->attacher().attachText(QStringLiteral("two"));
    QCOMPARE(m_encoder->regions().size(), size_t(1));
    const TheS_Data& region = m_encoder->regions().at(1);
    QCOMPARE(region.texts.size(), size_t(2));
    QCOMPARE(region.outlines.size(), size_t(1));
    QCOMPARE(region.outlines.front().size(), 4);
    QCOMPARE(region.texts.front()->pos(), QPoint(20, 20));
    QVERIFY(m_encoder->imageOutline().isEmpty());

    dragRect(m_encoder, QRect(QPoint(100, 20), QPoint(150, 60)));
    QCOMPARE(m_encoder->regionNumber(), 2);
    m_encoder->attacher().attachText(QStringLiteral("three"));
    QCOMPARE(m_encoder->regions().size(), size_t(2));
    QCOMPARE(m_encoder->dataManager()->rowCount(), 2);
    QCOMPARE(m_encoder->dataManager()->row(2)->label(), QStringLiteral("Data 2"));
}

void KelvoImgEncodeWidgetTest::mixingRules_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("refusal"); // empty: accepted

    const QString noText = QStringLiteral(
        "An image dictionary entry or another image is already specified for this region.");
    const QString noDict =
        QStringLiteral("Unformatted text or another image is already specified for this region.");
    QTest::newRow("dictionary entry on a text region") << "text"
                                                       << "dict" << noDict;
    QTest::newRow("text on a dictionary region") << "dict"
                                                 << "text" << noText;
    QTest::newRow("shaped text on a dictionary region") << "dict"
                                                        << "shaped" << QString();
    QTest::newRow("shaped text on a text region") << "text"
                                                  << "shaped" << QString();
    QTest::newRow("second text") << "text"
                                 << "text" << QString();
}

void KelvoImgEncodeWidgetTest::mixingRules() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, refusal);

    dragRect(m_encoder, QRect(QPoint(20, 20), QPoint(80, 60)));
    const auto attach = [this](const QString& kind) {
        if (kind == QLatin1String("text")) {
            m_encoder->attacher().attachText(QStringLiteral("a text"));
        } else if (kind == QLatin1String("dict")) {
            KelvoTextHolderWidget* holder = dictHolder(m_encoder);
            if (!m_encoder->attacher().attachDictEntry(holder)) {
                delete holder;
            }
        } else {
            m_encoder->attacher().insertShapedText(KelvoTextPictures::SimpleRect);
        }
    };
    attach(first);
    KelvoDialogScript script;
    QString message;
    if (!refusal.isEmpty()) {
        answerMessage(script, &message);
    }
    attach(second);
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(message, refusal);

    QCOMPARE(m_encoder->regions().size(), size_t(1));
    const TheS_Data& region = m_encoder->regions().at(1);
    const int items =
        int(region.texts.size() + region.shapedTexts.size()) + (region.dictEntry ? 1 : 0);
    QCOMPARE(items, refusal.isEmpty() ? 2 : 1);
    QCOMPARE(m_encoder->findChildren<KelvoTextHolderWidget*>().size(),
             qsizetype(region.texts.size() + (region.dictEntry ? 1 : 0)));
}

void KelvoImgEncodeWidgetTest::numbersAfterDeletions() {
    for (int i = 0; i < 3; ++i) {
        dragRect(m_encoder, QRect(QPoint(10 + 70 * i, 20), QPoint(60 + 70 * i, 60)));
        m_encoder->attacher().attachText(QStringLiteral("text %1").arg(i + 1));
    }
    KelvoDataManageWidget* manager = m_encoder->dataManager();
    manager->show();
    QVERIFY(QTest::qWaitForWindowExposed(manager));
    for (int number : {1, 3}) {
        QTest::mouseClick(manager->row(number)->findChild<QPushButton*>(), Qt::LeftButton);
    }
    QCOMPARE(m_encoder->regions().size(), size_t(1));
    QVERIFY(m_encoder->regions().count(2));
    // The deleted regions' holders wait hidden for an undo.
    const auto holders = m_encoder->findChildren<KelvoTextHolderWidget*>();
    QCOMPARE(std::count_if(holders.begin(), holders.end(),
                           [](const QWidget* holder) { return holder->isVisible(); }),
             1);
    QVERIFY(m_lastHasData);

    dragRect(m_encoder, QRect(QPoint(20, 100), QPoint(80, 150)));
    m_encoder->attacher().attachText(QStringLiteral("new"));
    QVERIFY(m_encoder->regions().count(3));

    // Deleting every region leaves nothing to generate.
    for (int number : {2, 3}) {
        QTest::mouseClick(manager->row(number)->findChild<QPushButton*>(), Qt::LeftButton);
    }
    QVERIFY(m_encoder->regions().empty());
    QVERIFY(!m_encoder->hasData());
    QVERIFY(!m_lastHasData);
}

void KelvoImgEncodeWidgetTest::overlapOfNewOutline_data() {
    QTest::addColumn<QString>("existing"); // what the region at (20,20)-(60,60) carries
    QTest::addColumn<QRect>("outline");
    QTest::addColumn<bool>("free");

    const QRect corner(QPoint(60, 60), QPoint(100, 100));
    const QRect beside(QPoint(61, 20), QPoint(100, 60));
    QTest::newRow("one shared pixel") << "text" << corner << false;
    QTest::newRow("touching") << "text" << beside << true;
    QTest::newRow("inside") << "text" << QRect(QPoint(30, 30), QPoint(50, 50)) << false;
    QTest::newRow("shaped text region, one shared pixel") << "shaped" << corner << false;
    QTest::newRow("dictionary region, one shared pixel") << "dict" << corner << false;
    QTest::newRow("dictionary region, touching") << "dict" << beside << true;
}

void KelvoImgEncodeWidgetTest::overlapOfNewOutline() {
    QFETCH(QString, existing);
    QFETCH(QRect, outline);
    QFETCH(bool, free);

    dragRect(m_encoder, QRect(QPoint(20, 20), QPoint(60, 60)));
    if (existing == QLatin1String("text")) {
        m_encoder->attacher().attachText(QStringLiteral("there"));
    } else if (existing == QLatin1String("dict")) {
        QVERIFY(m_encoder->attacher().attachDictEntry(dictHolder(m_encoder)));
    } else {
        m_encoder->attacher().insertShapedText(KelvoTextPictures::SpeechBubble);
    }
    QVERIFY(m_encoder->selectionFree()); // nothing new drawn yet
    dragRect(m_encoder, outline);
    QCOMPARE(m_encoder->selectionFree(), free);
}

void KelvoImgEncodeWidgetTest::outlineAcrossCodedRegionRefused() {
    KelvoRegionMap regions;
    regions[1].polygons = {QPolygon(QRect(QPoint(20, 20), QPoint(80, 80)))};
    regions[1].texts = {QStringLiteral("coded before")};
    QImage coded;
    QVERIFY(KelvoGenerator::generate(plainPicture(Width, Height), coded, regions, true, 0));
    KelvoAppViewerWidget viewer;
    QVERIFY(viewer.setImage(coded, QStringLiteral("coded.png")));
    QVERIFY(viewer.hasCodedData());

    m_encoder->copyFrom(viewer);
    m_encoder->setFixedSize(Width, Height); // the copy takes the viewer's size as its minimum
    m_encoder->takeOverCodedImage(viewer.outlineImage(), viewer.idImage(), 1);
    QCOMPARE(m_encoder->existingRegionCount(), 1);
    QCOMPARE(*m_encoder->displayedImage(), viewer.outlineImage());

    dragRect(m_encoder, QRect(QPoint(70, 70), QPoint(120, 120)));
    QVERIFY(!m_encoder->selectionFree());
    dragRect(m_encoder, QRect(QPoint(90, 20), QPoint(140, 80)));
    QVERIFY(m_encoder->selectionFree());
}

void KelvoImgEncodeWidgetTest::snippetMovedOverTextRegion() {
    dragRect(m_encoder, QRect(QPoint(150, 100), QPoint(220, 160)));
    m_encoder->attacher().attachText(QStringLiteral("text region"));
    m_encoder->attacher().attachImage(plainPicture(Width, Height), QPolygon(QRect(10, 10, 40, 30)));
    QCOMPARE(m_encoder->regions().size(), size_t(2));
    KelvoImgSnip* snippet = m_encoder->findChild<KelvoImgSnip*>();
    QVERIFY(snippet);
    QCOMPARE(snippet->pos(), QPoint(10, 10)); // same-size source: keeps its place

    // Dragged by the author onto the text region.
    QTest::mousePress(snippet, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(snippet, QPoint(145, 105));
    QTest::mouseRelease(snippet, Qt::LeftButton, {}, snippet->mapFromParent(QPoint(155, 115)));
    QCOMPARE(snippet->pos(), QPoint(150, 110));
    KelvoDialogScript script;
    QString message;
    answerMessage(script, &message);
    QCOMPARE(m_encoder->generateCodedImage(), Generation::Failed);
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(message, QStringLiteral("Selected regions should not overlap."));
    QCOMPARE(m_encoder->regions().at(2).outlines.front().boundingRect().topLeft(),
             QPoint(150, 110));
}

void KelvoImgEncodeWidgetTest::progressStepsAndSavedData() {
    dragRect(m_encoder, QRect(QPoint(20, 20), QPoint(80, 60)));
    m_encoder->attacher().attachText(QStringLiteral("first"));
    dragRect(m_encoder, QRect(QPoint(100, 20), QPoint(160, 60)));
    m_encoder->attacher().attachText(QStringLiteral("second"));
    m_encoder->attacher().attachImage(plainPicture(60, 40), QPolygon(QRect(0, 0, 30, 20)));

    QList<QPair<int, int>> steps;
    connect(&m_encoder->generation(), &KelvoEncodeGeneration::progress, this,
            [&steps](int step, int total) {
                steps.append({step, total});
            });
    const QString file = m_dir.filePath(QStringLiteral("coded")); // ".png" is appended
    KelvoDialogScript script;
    saveAs(script, file);
    QCOMPARE(m_encoder->generateCodedImage(), Generation::Saved);
    QVERIFY2(script.done(), qPrintable(script.failure()));

    QList<QPair<int, int>> expected;
    for (int step = 1; step <= 6; ++step) {
        expected.append({step, 6});
    }
    QCOMPARE(steps, expected);
    QCOMPARE(m_replacedWith, file + QStringLiteral(".png"));
    const auto decoded = decodeFile(m_replacedWith);
    QCOMPARE(decoded.size(), size_t(3));
    QCOMPARE(decoded.at(0).items, QStringList{QStringLiteral("text:first")});
    QCOMPARE(decoded.at(1).items, QStringList{QStringLiteral("text:second")});
    QCOMPARE(decoded.at(2).items, QStringList{QStringLiteral("image")});
}

void KelvoImgEncodeWidgetTest::failedSaveKeepsWork() {
    dragRect(m_encoder, QRect(QPoint(20, 20), QPoint(80, 60)));
    m_encoder->attacher().attachText(QStringLiteral("precious"));
    const QString file = m_dir.filePath(QStringLiteral("no such folder/coded.png"));
    KelvoDialogScript script;
    saveAs(script, file);
    QString message;
    answerMessage(script, &message);
    QCOMPARE(m_encoder->generateCodedImage(), Generation::Failed);
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QVERIFY2(message.contains(QDir::toNativeSeparators(file)), qPrintable(message));
    QVERIFY(m_replacedWith.isEmpty());
    QVERIFY(!QFile::exists(file));
    QCOMPARE(m_encoder->regions().size(), size_t(1));
    QCOMPARE(m_encoder->regions().at(1).texts.front()->text(), QStringLiteral("precious"));
}

void KelvoImgEncodeWidgetTest::hiddenRegions_data() {
    QTest::addColumn<bool>("generate");
    QTest::newRow("generate without them") << true;
    QTest::newRow("cancel") << false;
}

// Hidden regions still keep new outlines off; generating names them and may be cancelled.
void KelvoImgEncodeWidgetTest::hiddenRegions() {
    QFETCH(bool, generate);
    dragRect(m_encoder, QRect(QPoint(20, 20), QPoint(80, 60)));
    m_encoder->attacher().attachText(QStringLiteral("shown"));
    dragRect(m_encoder, QRect(QPoint(100, 20), QPoint(160, 60)));
    m_encoder->attacher().attachText(QStringLiteral("hidden"));
    m_encoder->attacher().attachImage(plainPicture(Width, Height),
                                      QPolygon(QRect(30, 100, 20, 20)));
    KelvoDataManageWidget* manager = m_encoder->dataManager();
    manager->show();
    QVERIFY(QTest::qWaitForWindowExposed(manager));
    for (int number : {2, 3}) {
        QTest::mouseClick(manager->row(number)->findChild<QCheckBox*>(), Qt::LeftButton);
    }
    QVERIFY(!m_encoder->regions().at(2).texts.front()->isVisible());
    dragRect(m_encoder, QRect(QPoint(150, 50), QPoint(200, 100)));
    QVERIFY(!m_encoder->selectionFree());

    const QString file = m_dir.filePath(QLatin1String(QTest::currentDataTag()) + ".png");
    KelvoDialogScript script;
    QString question;
    answerMessage(script, &question, generate ? 1 : 2);
    if (generate) {
        saveAs(script, file);
    }
    QCOMPARE(m_encoder->generateCodedImage(), generate ? Generation::Saved : Generation::Cancelled);
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QVERIFY2(question.contains(QStringLiteral("Data 2, Data 3")), qPrintable(question));
    QVERIFY(question.contains(QStringLiteral("will not be coded")));
    QCOMPARE(QFile::exists(file), generate);
    if (generate) {
        QCOMPARE(sortedTexts(decodeFile(file)), QStringList{QStringLiteral("text:shown")});
    }
    QCOMPARE(m_encoder->regions().size(), size_t(3));
}

void KelvoImgEncodeWidgetTest::hostHearsOfShapedTextsAndImages() {
    dragRect(m_encoder, QRect(QPoint(20, 20), QPoint(80, 60)));
    m_states = 0;
    m_encoder->attacher().insertShapedText(KelvoTextPictures::ThinkBubble);
    QCOMPARE(m_states, 1);
    QVERIFY(m_lastHasData);

    KelvoImgEncodeWidget other(nullptr, QStringLiteral("other"));
    QVERIFY(other.setImage(plainPicture(Width, Height)));
    bool told = false;
    connect(&other, &KelvoImgEncodeWidget::stateChanged, this,
            [&told](bool, bool hasData) { told = hasData; });
    other.attacher().attachImage(plainPicture(100, 100), QPolygon(QRect(10, 10, 30, 30)));
    QVERIFY(told);
}

void KelvoImgEncodeWidgetTest::pngNames_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no extension") << "harbour"
                                  << "harbour.png";
    QTest::newRow("png") << "harbour.png"
                         << "harbour.png";
    QTest::newRow("upper-case PNG") << "harbour.PNG"
                                    << "harbour.PNG.png";
    QTest::newRow("other extension") << "harbour.jpg"
                                     << "harbour.jpg.png";
    QTest::newRow("dot in a folder name") << "my.pictures/harbour"
                                          << "my.pictures/harbour.png";
    QTest::newRow("png in a folder name") << "shots.png/harbour"
                                          << "shots.png/harbour.png";
}

void KelvoImgEncodeWidgetTest::pngNames() {
    QFETCH(QString, chosen);
    QFETCH(QString, saved);
    QCOMPARE(KelvoCodedImageBuilder::pngFileName(chosen), saved);
}

QTEST_MAIN(KelvoImgEncodeWidgetTest)
#include "kelvoimgencodewidget_test.moc"
