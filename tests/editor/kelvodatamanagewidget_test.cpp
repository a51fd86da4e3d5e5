// The data manager with real clicks: rows follow the region model with the window's height,
// one row highlighted at a time, renaming by right click, and the eye and delete actions.
#include "kelvodatamanagewidget.h"
#include "kelvodialogscript.h"
#include "kelvoregionmodel.h"

#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const QColor kNormal(232, 227, 227);
const QColor kSelected(158, 174, 255);

// The data manager with an owner that does what the rows ask, as the encoder window does.
struct Manager {
    KelvoRegionModel regions;
    KelvoDataManageWidget widget{regions};
    QList<QPair<int, int>> actions;
    QList<int> selections;

    explicit Manager(std::initializer_list<int> ids) {
        QObject::connect(&widget, &KelvoDataManageWidget::dataAction,
                         [this](KelvoDataManageWidget::DataAction action, int id) {
                             actions.append({int(action), id});
                             auto region = regions.region(id);
                             region->hidden = action == KelvoDataManageWidget::DataAction::Hide;
                             regions.set(id, action == KelvoDataManageWidget::DataAction::Delete
                                                 ? std::nullopt
                                                 : region);
                         });
        QObject::connect(&widget, &KelvoDataManageWidget::regionSelected,
                         [this](int id) { selections.append(id); });
        QObject::connect(&widget, &KelvoDataManageWidget::renameRequested,
                         [this](int id, const QString& name) {
                             auto region = regions.region(id);
                             region->name = name;
                             regions.set(id, region);
                         });
        for (int id : ids) {
            regions.set(id, KelvoRegionModel::Region{{}, QStringLiteral("Data %1").arg(id)});
        }
        widget.show();
    }
    KelvoDataManageWidgetItem* row(int id) const { return widget.row(id); }
    QLabel* label(int id) const { return row(id)->findChild<QLabel*>(); }
    QColor background(int id) const { return row(id)->palette().color(QPalette::Window); }
};

} // namespace

class KelvoDataManageWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void rowsGrowAndShrinkWindow();
    void clickSelectsOneRow();
    void rename_data();
    void rename();
    void eyeHidesAndShows();
    void deleteRemovesRow();
};

void KelvoDataManageWidgetTest::rowsGrowAndShrinkWindow() {
    Manager manager({3});
    const int rowHeight = manager.widget.height();
    QVERIFY(rowHeight > 0);
    manager.widget.addRow(QStringLiteral("again"), 3);
    QCOMPARE(manager.widget.rowCount(), 1);
    QCOMPARE(manager.label(3)->text(), QStringLiteral("Data 3"));
    manager.widget.addRow(QStringLiteral("Data 7"), 7);
    manager.widget.addRow(QStringLiteral("Data 5"), 5);
    QCOMPARE(manager.widget.height(), 3 * rowHeight);
    // Rows stay in the order they were added.
    QVERIFY(manager.row(7)->y() < manager.row(5)->y());
    manager.widget.removeRow(7);
    manager.widget.removeRow(42);
    QCOMPARE(manager.widget.height(), 2 * rowHeight);
    QVERIFY(!manager.row(7));
    manager.widget.removeRow(3);
    manager.widget.removeRow(5);
    QCOMPARE(manager.widget.height(), 0);
    QCOMPARE(manager.widget.rowCount(), 0);
}

void KelvoDataManageWidgetTest::clickSelectsOneRow() {
    Manager manager({1, 2, 3});
    QVERIFY(QTest::qWaitForWindowExposed(&manager.widget));
    QCOMPARE(manager.widget.selectedRegion(), -1);
    QTest::mouseClick(manager.label(1), Qt::LeftButton);
    QCOMPARE(manager.background(1), kSelected);
    QTest::mouseClick(manager.label(2), Qt::LeftButton);
    QCOMPARE(manager.background(1), kNormal);
    QCOMPARE(manager.background(2), kSelected);
    QCOMPARE(manager.background(3), kNormal);
    QCOMPARE(manager.widget.selectedRegion(), 2);
    QCOMPARE(manager.selections, (QList<int>{1, 2}));
    // The encoder picks a region in the picture, then none.
    manager.widget.selectRow(3);
    QCOMPARE(manager.background(2), kNormal);
    QCOMPARE(manager.background(3), kSelected);
    manager.widget.selectRow(-1);
    QCOMPARE(manager.background(3), kNormal);
    QCOMPARE(manager.selections, (QList<int>{1, 2, 3, -1}));
}

void KelvoDataManageWidgetTest::rename_data() {
    QTest::addColumn<QString>("answer"); // null: cancel
    QTest::addColumn<QString>("expected");
    QTest::newRow("short name") << QStringLiteral("Roof") << QStringLiteral("Roof");
    QTest::newRow("cut to 12") << QStringLiteral("The red roof of the barn")
                               << QStringLiteral("The red roof");
    QTest::newRow("empty keeps the name") << QStringLiteral("") << QStringLiteral("Data 4");
    QTest::newRow("blank keeps the name") << QStringLiteral("   ") << QStringLiteral("Data 4");
    QTest::newRow("cancelled") << QString() << QStringLiteral("Data 4");
}

void KelvoDataManageWidgetTest::rename() {
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    Manager manager({4});
    QVERIFY(QTest::qWaitForWindowExposed(&manager.widget));
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
    QTest::mouseClick(manager.label(4), Qt::RightButton);
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(shown, QStringLiteral("New Identifier|Data 4"));
    QCOMPARE(manager.label(4)->text(), expected);
    // Renaming neither selects nor reports anything.
    QVERIFY(manager.selections.isEmpty() && manager.actions.isEmpty());
}

void KelvoDataManageWidgetTest::eyeHidesAndShows() {
    Manager manager({6, 8});
    QVERIFY(QTest::qWaitForWindowExposed(&manager.widget));
    auto* eye = manager.row(8)->findChild<QCheckBox*>();
    QVERIFY(!manager.regions.isHidden(8));
    QTest::mouseClick(eye, Qt::LeftButton);
    QVERIFY(manager.regions.isHidden(8));
    QVERIFY(!manager.regions.isHidden(6));
    // An undo in the encoder shows the data again.
    manager.regions.set(8, KelvoRegionModel::Region{{}, QStringLiteral("Data 8"), false});
    QVERIFY(eye->isChecked());
    QTest::mouseClick(eye, Qt::LeftButton);
    QTest::mouseClick(eye, Qt::LeftButton);
    QVERIFY(!manager.regions.isHidden(8));
    QCOMPARE(manager.actions, (QList<QPair<int, int>>{{0, 8}, {0, 8}, {1, 8}}));
}

void KelvoDataManageWidgetTest::deleteRemovesRow() {
    Manager manager({6, 8});
    QVERIFY(QTest::qWaitForWindowExposed(&manager.widget));
    const int height = manager.widget.height();
    QTest::mouseClick(manager.label(8), Qt::LeftButton);
    QPointer<KelvoDataManageWidgetItem> row = manager.row(8);
    QTest::mouseClick(row->findChild<QPushButton*>(), Qt::LeftButton);
    QCOMPARE(manager.actions, (QList<QPair<int, int>>{{2, 8}}));
    QCOMPARE(manager.widget.rowCount(), 1);
    QCOMPARE(manager.widget.height(), height / 2);
    QCOMPARE(manager.widget.selectedRegion(), -1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(row.isNull());
}

QTEST_MAIN(KelvoDataManageWidgetTest)
#include "kelvodatamanagewidget_test.moc"
