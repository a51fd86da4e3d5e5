// The main window's menu and tool-bar contents and their built-in icons.
#include "kelvoappactions.h"

#include <QtTest>

namespace {

// Mean difference per channel of two icons of the same size, 0 to 255.
double difference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * a.width() * a.height());
}

// Every icon the menus and the tool bar name, then the program icon.
QStringList iconNames() {
    QStringList names;
    for (const KelvoMenuInfo& menu : kelvoMenus()) {
        for (const KelvoMenuItemInfo& item : menu.items) {
            if (item.icon) {
                names.append(QLatin1String(item.icon));
            }
        }
    }
    for (const KelvoToolButtonInfo& button : kelvoToolButtons()) {
        if (button.name) {
            names.append(QLatin1String(button.name));
        }
    }
    return names << QStringLiteral("kelvo");
}

} // namespace

class KelvoAppActionsTest : public QObject {
    Q_OBJECT

private slots:
    void toolButtonsAreTheEightTools();
    void everyIconIsBuiltInAtBothSizes();
    void iconsCanBeToldApart();
    void unknownIconIsNull();
};

void KelvoAppActionsTest::toolButtonsAreTheEightTools() {
    QStringList names;
    QStringList exclusive;
    for (const KelvoToolButtonInfo& button : kelvoToolButtons()) {
        names.append(button.name ? QLatin1String(button.name) : QLatin1String("|"));
        if (button.exclusive) {
            QVERIFY(button.toggle);
            exclusive.append(QLatin1String(button.name));
        }
        QCOMPARE(button.label == nullptr, button.name == nullptr);
    }
    QCOMPARE(names.join(QLatin1Char(' ')),
             QStringLiteral("erase showOutlines | selectRect selectPoly | insertTInfo "
                            "insertDictEntry insertBInfo | buildImg"));
    QCOMPARE(exclusive, (QStringList{"selectRect", "selectPoly"}));
}

void KelvoAppActionsTest::everyIconIsBuiltInAtBothSizes() {
    const QStringList names = iconNames();
    QCOMPARE(names.size(), 3 + 8 + 1);
    for (const QString& name : names) {
        const QIcon icon = kelvoIcon(name);
        QVERIFY2(!icon.isNull(), qPrintable(name));
        const QList<QSize> sizes = icon.availableSizes();
        for (int side : {22, 44}) {
            QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(name));
            const QImage image = icon.pixmap(QSize(side, side)).toImage();
            QCOMPARE(image.size(), QSize(side, side));
            // Drawn, with a transparent margin somewhere rather than a filled square.
            int opaque = 0;
            for (int y = 0; y < side; ++y) {
                for (int x = 0; x < side; ++x) {
                    opaque += qAlpha(image.pixel(x, y)) > 128;
                }
            }
            QVERIFY2(opaque > side * side / 8 && opaque < side * side, qPrintable(name));
        }
    }
    QVERIFY(kelvoIcon(QStringLiteral("kelvo")).availableSizes().contains(QSize(256, 256)));
}

void KelvoAppActionsTest::iconsCanBeToldApart() {
    const QStringList names = iconNames();
    for (int i = 0; i < names.size(); ++i) {
        const QImage a =
            kelvoIcon(names[i]).pixmap(22).toImage().convertToFormat(QImage::Format_ARGB32);
        for (int j = i + 1; j < names.size(); ++j) {
            const QImage b =
                kelvoIcon(names[j]).pixmap(22).toImage().convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(difference(a, b) > 20, qPrintable(names[i] + QLatin1Char('/') + names[j]));
        }
    }
}

void KelvoAppActionsTest::unknownIconIsNull() {
    QVERIFY(kelvoIcon(QStringLiteral("noSuchIcon")).isNull());
    QVERIFY(kelvoIcon(QString()).isNull());
}

QTEST_MAIN(KelvoAppActionsTest)
#include "kelvoappactions_test.moc"
