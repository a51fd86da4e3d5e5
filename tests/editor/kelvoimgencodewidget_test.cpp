// The encoder window with real pointer events: regions and their numbers, which data may share
// a region, overlap refusals, the data manager's rows, each region's room, generation with its
// progress and saving, and taking over a coded picture.
#include "encodertestsupport.h"
#include "kelvoappviewerwidget.h"
#include "kelvocodedimagebuilder.h"
#include "kelvodatamanagewidget.h"
#include "kelvodialogscript.h"
#include "kelvoencdonedlg.h"
#include "kelvogenerator.h"
#include "kelvoimgencodewidget.h"
#include "kelvonoisetext.h"
#include "kelvotextholderwidget.h"
#include "kelvotextpictures.h"

#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using EncoderTest::answerMessage;
using EncoderTest::decodeFile;
using EncoderTest::dragRect;
using EncoderTest::plainPicture;
using EncoderTest::saveAs;
using Generation = KelvoImgEncodeWidget::Generation;
using Room = KelvoDataManageWidgetItem::Room;

namespace {

constexpr int Width = 240;
constexpr int Height = 180;
const QColor Highlighted(158, 174, 255);

} // namespace

class KelvoImgEncodeWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_encoder = new KelvoImgEncodeWidget(nullptr, QStringLiteral("_IMG_WIDGET_0"));
        QVERIFY(m_encoder->setImage(plainPicture(Width, Height), QStringLiteral("plain.png")));
        m_encoder->setFixedSize(Width, Height);
        m_encoder->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_encoder));
        QCOMPARE(m_encoder->offset(), QPoint(0, 0));
        m_lastHasData = false;
        m_replacedWith.clear();
        connect(m_encoder, &KelvoImgEncodeWidget::stateChanged, this,
                [this](bool, bool hasData) { m_lastHasData = hasData; });
        connect(m_encoder, &KelvoImgWidget::replaceRequested, this,
                [this](KelvoImgWidget*, const QString& fileName) { m_replacedWith = fileName; });
    }

    void cleanup() {
        delete m_encoder;
        m_encoder = nullptr;
    }

    void mixingRules_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("refusal"); // empty: accepted

        const QString noText = QStringLiteral(
            "An image dictionary entry or another image is already specified for this region.");
        const QString noDict = QStringLiteral(
            "Unformatted text or another image is already specified for this region.");
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

    void mixingRules() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, refusal);

        dragRect(m_encoder, QRect(QPoint(20, 20), QPoint(80, 60)));
        attach(first);
        QVERIFY(m_encoder->imageOutline().isEmpty()); // attached: the next press starts afresh
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

    // The rows follow the regions: one highlighted at a time, none once the author presses on the
    // picture or the highlighted region goes; deleted numbers are not given again.
    void rowsAfterClicksAndDeletions() {
        for (int i = 0; i < 3; ++i) {
            addTextRegion(QRect(QPoint(10 + 70 * i, 20), QPoint(60 + 70 * i, 60)),
                          QStringLiteral("text %1").arg(i + 1));
        }
        KelvoDataManageWidget* manager = shownManager();
        QVERIFY(manager);
        const auto background = [manager](int number) {
            return manager->row(number)->palette().color(QPalette::Window);
        };
        QTest::mouseClick(manager->row(1)->findChild<QLabel*>(), Qt::LeftButton);
        QTest::mouseClick(manager->row(2)->findChild<QLabel*>(), Qt::LeftButton);
        QCOMPARE(manager->selectedRegion(), 2);
        QCOMPARE(background(2), Highlighted);
        QVERIFY(background(1) != Highlighted && background(3) != Highlighted);
        QVERIFY(manager->row(1)->y() < manager->row(2)->y() &&
                manager->row(2)->y() < manager->row(3)->y());
        const QPointer<KelvoDataManageWidgetItem> deleted = manager->row(1);

        for (int number : {1, 3}) {
            QTest::mouseClick(manager->row(number)->findChild<QPushButton*>(), Qt::LeftButton);
        }
        QCOMPARE(m_encoder->regions().size(), size_t(1));
        QVERIFY(m_encoder->regions().count(2));
        QCOMPARE(manager->rowCount(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(deleted.isNull());
        // The deleted regions' holders wait hidden for an undo.
        const auto holders = m_encoder->findChildren<KelvoTextHolderWidget*>();
        QCOMPARE(std::count_if(holders.begin(), holders.end(),
                               [](const QWidget* holder) { return holder->isVisible(); }),
                 1);
        QVERIFY(m_lastHasData);

        addTextRegion(QRect(QPoint(20, 100), QPoint(80, 150)), QStringLiteral("new"));
        QVERIFY(m_encoder->regions().count(3));
        QCOMPARE(manager->selectedRegion(), -1);
        QVERIFY(background(2) != Highlighted);

        // Deleting every region, the highlighted one too, leaves nothing to generate.
        QTest::mouseClick(manager->row(3)->findChild<QLabel*>(), Qt::LeftButton);
        for (int number : {2, 3}) {
            QTest::mouseClick(manager->row(number)->findChild<QPushButton*>(), Qt::LeftButton);
        }
        QCOMPARE(manager->selectedRegion(), -1);
        QVERIFY(m_encoder->regions().empty());
        QVERIFY(!m_encoder->hasData());
        QVERIFY(!m_lastHasData);
    }

    void renameRow_data() {
        QTest::addColumn<QString>("answer"); // null: cancel
        QTest::addColumn<QString>("expected");
        QTest::newRow("short name") << QStringLiteral("Roof") << QStringLiteral("Roof");
        QTest::newRow("cut to 12")
            << QStringLiteral("The red roof of the barn") << QStringLiteral("The red roof");
        QTest::newRow("empty keeps the name") << QStringLiteral("") << QStringLiteral("Data 1");
        QTest::newRow("blank keeps the name") << QStringLiteral("   ") << QStringLiteral("Data 1");
        QTest::newRow("cancelled") << QString() << QStringLiteral("Data 1");
    }

    // A right click on a row renames its region, and neither selects nor changes anything else.
    void renameRow() {
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        addTextRegion(QRect(QPoint(20, 20), QPoint(80, 60)), QStringLiteral("named"));
        KelvoDataManageWidget* manager = shownManager();
        QVERIFY(manager);
        QString shown;
        KelvoDialogScript script;
        script.then<QInputDialog>([&](QInputDialog* dialog) {
            shown = dialog->windowTitle() + QLatin1Char('|') + dialog->textValue();
            if (answer.isNull()) {
                dialog->reject();
            } else {
                dialog->setTextValue(answer);
                dialog->accept();
            }
        });
        QTest::mouseClick(manager->row(1)->findChild<QLabel*>(), Qt::RightButton);
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(shown, QStringLiteral("New Identifier|Data 1"));
        QCOMPARE(manager->row(1)->findChild<QLabel*>()->text(), expected);
        QCOMPARE(m_encoder->regionMap().name(1), expected);
        QCOMPARE(manager->selectedRegion(), -1);
        QCOMPARE(m_encoder->regions().at(1).texts.front()->text(), QStringLiteral("named"));
    }

    void overlapOfNewOutline_data() {
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
        QTest::newRow("coded region, one shared pixel") << "coded" << corner << false;
        QTest::newRow("coded region, apart")
            << "coded" << QRect(QPoint(70, 20), QPoint(100, 60)) << true;
    }

    void overlapOfNewOutline() {
        QFETCH(QString, existing);
        QFETCH(QRect, outline);
        QFETCH(bool, free);

        const QRect region(QPoint(20, 20), QPoint(60, 60));
        KelvoAppViewerWidget viewer;
        if (existing == QLatin1String("coded")) {
            // Taken over from a picture coded before, as "Add Data" does.
            KelvoRegionMap regions;
            regions[1].polygons = {QPolygon(region)};
            regions[1].texts = {QStringLiteral("coded before")};
            QImage coded;
            QVERIFY(KelvoGenerator::generate(plainPicture(Width, Height), coded, regions, true, 0));
            QVERIFY(viewer.setImage(coded, QStringLiteral("coded.png")));
            m_encoder->copyFrom(viewer);
            // The copy takes the viewer's size as its minimum.
            m_encoder->setFixedSize(Width, Height);
            m_encoder->takeOverCodedImage(viewer.outlineImage(), viewer.idImage(), 1);
            QCOMPARE(m_encoder->existingRegionCount(), 1);
            QCOMPARE(*m_encoder->displayedImage(), viewer.outlineImage());
        } else {
            dragRect(m_encoder, region);
        }
        attach(existing);
        QVERIFY(m_encoder->selectionFree()); // nothing new drawn yet
        dragRect(m_encoder, outline);
        QCOMPARE(m_encoder->selectionFree(), free);
    }

    void generation_data() {
        QTest::addColumn<QRect>("part"); // where the image part lies
        // The file chosen in the save dialog (empty: none asked) and what the message says (empty:
        // none).
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("told");
        QTest::newRow("saved") << QRect(10, 100, 30, 20) << "coded" << QString();
        QTest::newRow("part over a text region")
            << QRect(30, 30, 20, 20) << QString() << "Selected regions should not overlap.";
        const QString missing = QStringLiteral("no such folder/coded.png");
        QTest::newRow("no such folder") << QRect(10, 100, 30, 20) << missing
                                        << QDir::toNativeSeparators(m_dir.filePath(missing));
    }

    // Generation reports its steps and saves a picture that decodes to the data; a refusal or a
    // failed save is told and keeps all the work.
    void generation() {
        QFETCH(QRect, part);
        QFETCH(QString, chosen);
        QFETCH(QString, told);
        addTextRegion(QRect(QPoint(20, 20), QPoint(80, 60)), QStringLiteral("first"));
        addTextRegion(QRect(QPoint(100, 20), QPoint(160, 60)), QStringLiteral("second"));
        m_encoder->attacher().attachImage(plainPicture(Width, Height), QPolygon(part));
        QList<QPair<int, int>> steps;
        connect(&m_encoder->generation(), &KelvoEncodeGeneration::progress, this,
                [&steps](int step, int total) {
                    steps.append({step, total});
                });

        const QString file = m_dir.filePath(chosen);
        KelvoDialogScript script;
        QString message;
        if (!chosen.isEmpty()) {
            saveAs(script, file);
        }
        if (!told.isEmpty()) {
            answerMessage(script, &message);
        }
        const Generation result = m_encoder->generateCodedImage();
        QVERIFY2(script.done(), qPrintable(script.failure()));
        if (told.isEmpty()) {
            QCOMPARE(result, Generation::Saved);
            QList<QPair<int, int>> expected;
            for (int step = 1; step <= 6; ++step) {
                expected.append({step, 6});
            }
            QCOMPARE(steps, expected);
            QCOMPARE(m_replacedWith, file + QStringLiteral(".png")); // ".png" is appended
            const auto decoded = decodeFile(m_replacedWith);
            QCOMPARE(decoded.size(), size_t(3));
            QCOMPARE(decoded.at(0).items, QStringList{QStringLiteral("text:first")});
            QCOMPARE(decoded.at(1).items, QStringList{QStringLiteral("text:second")});
            QCOMPARE(decoded.at(2).items, QStringList{QStringLiteral("image")});
            return;
        }
        QCOMPARE(result, Generation::Failed);
        QVERIFY2(message.contains(told), qPrintable(message));
        QVERIFY(m_replacedWith.isEmpty());
        QVERIFY(!QFile::exists(file) || chosen.isEmpty());
        QCOMPARE(m_encoder->regions().size(), size_t(3));
        QCOMPARE(m_encoder->regions().at(1).texts.front()->text(), QStringLiteral("first"));
    }

    void hiddenRegions_data() {
        QTest::addColumn<bool>("generate");
        QTest::newRow("generate without them") << true;
        QTest::newRow("cancel") << false;
    }

    // Hidden regions still keep new outlines off; generating names them and may be cancelled.
    void hiddenRegions() {
        QFETCH(bool, generate);
        addTextRegion(QRect(QPoint(20, 20), QPoint(80, 60)), QStringLiteral("shown"));
        addTextRegion(QRect(QPoint(100, 20), QPoint(160, 60)), QStringLiteral("hidden"));
        m_encoder->attacher().attachImage(plainPicture(Width, Height),
                                          QPolygon(QRect(30, 100, 20, 20)));
        KelvoDataManageWidget* manager = shownManager();
        QVERIFY(manager);
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
        QCOMPARE(m_encoder->generateCodedImage(),
                 generate ? Generation::Saved : Generation::Cancelled);
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QVERIFY2(question.contains(QStringLiteral("Data 2, Data 3")), qPrintable(question));
        QVERIFY(question.contains(QStringLiteral("will not be coded")));
        QCOMPARE(QFile::exists(file), generate);
        if (generate) {
            const auto decoded = decodeFile(file);
            QCOMPARE(decoded.size(), size_t(1));
            QCOMPARE(decoded.at(0).items, QStringList{QStringLiteral("text:shown")});
        }
        QCOMPARE(m_encoder->regions().size(), size_t(3));
        // The eye shows them again.
        QTest::mouseClick(manager->row(2)->findChild<QCheckBox*>(), Qt::LeftButton);
        QVERIFY(m_encoder->regions().at(2).texts.front()->isVisible());
    }

    // The room of each region, live as data are attached: figures, the marks of data that do not
    // fit or would show, Generate naming the region that does not fit by its row's name, and the
    // done dialog naming the regions whose data show.
    void roomsFromDrawingToSaving() {
        KelvoDataManageWidget* manager = m_encoder->dataManager();
        addTextRegion(QRect(20, 20, 60, 40), QStringLiteral("harbour"));
        addTextRegion(QRect(100, 20, 10, 10), kelvoNoiseText(150, 3));
        addTextRegion(QRect(140, 20, 10, 10), QStringLiteral("short"));
        QTRY_COMPARE(manager->row(3)->room(), Room::Fits);
        m_encoder->attacher().attachText(kelvoNoiseText(400, 3)); // to the region drawn last
        QTRY_COMPARE(manager->row(3)->room(), Room::DoesNotFit);
        QCOMPARE(manager->row(1)->room(), Room::Fits);
        QCOMPARE(manager->row(2)->room(), Room::Shows);
        const KelvoRegionCapacity& first = m_encoder->generation().rooms().at(1).capacity;
        QCOMPARE(manager->row(1)->roomText(),
                 QStringLiteral("%1 / %2 B, level 1").arg(first.bytes).arg(first.room));
        QVERIFY(manager->row(3)->roomText().endsWith(QStringLiteral("too much")));

        KelvoDialogScript refusal;
        QString message;
        answerMessage(refusal, &message);
        QCOMPARE(m_encoder->generateCodedImage(), Generation::Failed);
        QVERIFY2(refusal.done(), qPrintable(refusal.failure()));
        QVERIFY2(message.contains(QStringLiteral("Data 3: too small for its data")),
                 qPrintable(message));

        QTest::mouseClick(manager->row(3)->findChild<QPushButton*>(), Qt::LeftButton);
        QTRY_COMPARE(manager->rowCount(), 2);
        QString notice;
        KelvoDialogScript saving;
        saving.then<KelvoEncDoneDlg>([&notice](KelvoEncDoneDlg* done) {
            notice = done->findChild<QLabel*>(QStringLiteral("notice"))->text();
            KelvoDialogScript::click(done, QStringLiteral("save"));
        });
        EncoderTest::chooseFile(saving, m_dir.filePath(QStringLiteral("room.png")));
        QCOMPARE(m_encoder->generateCodedImage(), Generation::Saved);
        QVERIFY2(saving.done(), qPrintable(saving.failure()));
        QVERIFY2(notice.contains(QStringLiteral("Data 2")) &&
                     !notice.contains(QStringLiteral("Data 1")),
                 qPrintable(notice));
    }

    // ".png" is appended unless the name ends in it; a name without extension is the generation
    // test's.
    void pngNames() {
        const std::pair<const char*, const char*> names[] = {
            {"harbour.png", "harbour.png"},
            {"harbour.PNG", "harbour.PNG.png"},
            {"harbour.jpg", "harbour.jpg.png"},
            {"my.pictures/harbour", "my.pictures/harbour.png"},
            {"shots.png/harbour", "shots.png/harbour.png"}};
        for (const auto& [chosen, saved] : names) {
            QCOMPARE(KelvoCodedImageBuilder::pngFileName(QString::fromLatin1(chosen)),
                     QString::fromLatin1(saved));
        }
    }

private:
    // Attaches data of `kind` ("text", "dict" or "shaped") to the current outline.
    void attach(const QString& kind) {
        if (kind == QLatin1String("text")) {
            m_encoder->attacher().attachText(QStringLiteral("a text"));
        } else if (kind == QLatin1String("dict")) {
            auto* holder = new KelvoTextHolderWidget(m_encoder, QStringLiteral("TextHolder"),
                                                     QStringLiteral("house"),
                                                     KelvoTextPictures::dictHolderIcon(), true);
            if (!m_encoder->attacher().attachDictEntry(holder)) {
                delete holder;
            }
        } else if (kind == QLatin1String("shaped")) {
            m_encoder->attacher().insertShapedText(KelvoTextPictures::SpeechBubble);
        }
    }

    void addTextRegion(const QRect& rect, const QString& text) {
        dragRect(m_encoder, rect);
        m_encoder->attacher().attachText(text);
    }

    KelvoDataManageWidget* shownManager() {
        KelvoDataManageWidget* manager = m_encoder->dataManager();
        manager->show();
        return QTest::qWaitForWindowExposed(manager) ? manager : nullptr;
    }

    QTemporaryDir m_dir;
    KelvoImgEncodeWidget* m_encoder = nullptr;
    bool m_lastHasData = false;
    QString m_replacedWith;
};

QTEST_MAIN(KelvoImgEncodeWidgetTest)
#include "kelvoimgencodewidget_test.moc"
