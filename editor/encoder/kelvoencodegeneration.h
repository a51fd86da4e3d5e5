// The generation of an encoder window's coded picture: places the regions' data where the
// author put them, works out each region's room for its data (shown in the data manager while
// the author works), runs the generator behind a progress dialog and saves the coded picture
// where the author says. Regions whose data the author hid are left out, after the author
// agreed to that.
#pragma once

#include "kelvoregionmodel.h"
#include "kelvoregionrooms.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>

class KelvoDataManageWidget;
class KelvoImgEncodeWidget;
class QProgressDialog;
class QTimer;
struct KelvoGeneratorError;

class KelvoEncodeGeneration : public QObject {
    Q_OBJECT
public:
    // How a generation ended: coded and saved, coded but the author declined to save, not
    // started because the author would not leave hidden regions out, or not done (overlap, a
    // generator or write failure; the author was told).
    enum class Outcome { Saved, Declined, Cancelled, Failed };

    KelvoEncodeGeneration(KelvoImgEncodeWidget& window, KelvoRegionModel& regions,
                          KelvoDataManageWidget& dataManager);

    // Prepares, checks, generates with a progress dialog and offers to save; `fileName` is the
    // file written when Saved. With hidden regions it first names them and lets the author
    // cancel.
    Outcome generate(QString& fileName);
    // Codes the shaped texts and places the image regions where their snippets lie now. False
    // when a shaped text cannot be coded (it told the author why).
    bool prepareItems();
    // Each region's data size, room and packing level as the regions would be coded now;
    // hidden regions have none.
    const KelvoRegionRooms& rooms() const { return m_rooms; }
    // Works out rooms() anew once the current burst of changes is over, on a worker thread (at
    // 12 MP a region plan takes about a seventh of a second).
    void regionsChanged();

signals:
    // One step of the generation: `step` of `total` done.
    void progress(int step, int total);

private:
    // prepareItems() on region `number`; with `tell` false a shaped text that cannot be coded
    // is left out silently.
    bool placeItems(int number, TheS_Data& region, bool tell) const;
    // The generator's view of the regions as they would be coded now.
    KelvoRegionMap plannedRegions() const;
    // Works out rooms() at once and shows them.
    void showRooms();
    // Starts working out rooms() on a worker thread; showRooms(KelvoRegionRooms) follows.
    void planRooms();
    // Takes `rooms` as rooms() and shows them in the data manager's rows.
    void showRooms(KelvoRegionRooms rooms);
    // The generator's reason, with the region named as its data manager row is.
    QString failureText(const KelvoGeneratorError& error) const;
    // For the done dialog: the regions coded at a level that visibly changes the picture.
    QString visibleRegionsNotice() const;
    // Region `number` by the name its data manager row shows.
    QString regionName(int number) const;
    // Whether the author wants to generate although hidden regions will be left out; true
    // without hidden regions.
    bool hiddenRegionsAccepted();
    // False after telling the author why, when the picture could not be written.
    bool saveCodedImage(const QImage& image, QString& fileName);

    KelvoImgEncodeWidget& m_window;
    KelvoRegionModel& m_regions;
    KelvoDataManageWidget& m_dataManager;
    KelvoRegionRooms m_rooms;
    QTimer* m_roomTimer;
    QFutureWatcher<KelvoRegionRooms> m_planned;
    // Whether the running plan's rooms are still wanted.
    bool m_planWanted = false;
    QPointer<QProgressDialog> m_progress;
};
