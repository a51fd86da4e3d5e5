// The text type dialog: which picture the author clicks decides the type; OK without a click
// means unformatted text; Cancel changes nothing.
#include "kelvodialogscript.h"
#include "kelvotexttypedlg.h"

#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

namespace {

const char* const TypeNames[] = {"Simple_Text", "Simple_Rect", "Simple_Ellipse", "Speech_Bubble",
                                 "Think_Bubble"};

// Clicks a radio button where it reacts: on its picture, not merely somewhere in its row.
void clickPicture(QWidget* dialog, const QString& name) {
    auto* button = dialog->findChild<QRadioButton*>(name);
    QVERIFY2(button, qPrintable(name));
    QStyleOptionButton option;
    option.initFrom(button);
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const QRect area =
        button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, {}, area.center());
}

} // namespace

class KelvoTextTypeDlgTest : public QObject {
    Q_OBJECT

private slots:
    void choice_data();
    void choice();
};

void KelvoTextTypeDlgTest::choice_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("type");

    QTest::newRow("OK without a click") << QStringList() << "okButton" << true << 0;
    for (int type = 0; type < 5; ++type)
        QTest::newRow(TypeNames[type])
            << QStringList{TypeNames[type]} << "okButton" << true << type;
    QTest::newRow("last click counts")
        << QStringList{"Think_Bubble", "Simple_Rect"} << "okButton" << true << 1;
    QTest::newRow("cancel keeps the type")
        << QStringList{"Speech_Bubble"} << "cancelButton" << false << -7;
}

void KelvoTextTypeDlgTest::choice() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, button);
    QFETCH(bool, accepted);
    QFETCH(int, type);

    KelvoDialogScript script;
    script.then<KelvoTextTypeDlg>([&](KelvoTextTypeDlg* dialog) {
        for (const QString& name : clicks)
            clickPicture(dialog, name);
        KelvoDialogScript::click(dialog, button);
    });
    int chosen = -7;
    QCOMPARE(chooseTextType(nullptr, chosen), accepted);
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(chosen, type);
}

QTEST_MAIN(KelvoTextTypeDlgTest)
#include "kelvotexttypedlg_test.moc"
