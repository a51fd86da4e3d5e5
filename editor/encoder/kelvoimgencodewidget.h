// The encoder window: the author marks regions of a plain picture (or of a coded one taken over
// with "Add Data"), attaches texts, a dictionary entry, shaped texts or image parts to them,
// and generates the coded picture from them.
//
// A region carries unformatted texts (any number) or one dictionary entry, never both, and
// neither together with an image; shaped texts may join any region. Every image part gets a
// region of its own. Regions must not share pixels, neither with each other nor with the
// regions of a picture that is coded already, hidden or not; regions whose data the author hid
// in the data manager are left out of the coded picture, after the author agreed to that.
//
// Every change of the regions and their data goes through the window's undo stack.
#pragma once

#include "kelvodatamanagewidgetitem.h"
#include "kelvoimgselectionwidget.h"
#include "kelvoregionmodel.h"
#include "kelvoregionrooms.h"
#include "kelvotextholderwidget.h"
#include "kelvotextpictures.h"

#include <QPointer>

#include <memory>
#include <set>

class KelvoDataManageWidget;
class KelvoImgSnip;
class KelvoOverlapMask;
class QProgressDialog;
class QTimer;
class QUndoStack;
struct KelvoGeneratorError;

class KelvoImgEncodeWidget : public KelvoImgSelectionWidget {
    Q_OBJECT
public:
    // How a generation ended: coded and saved, coded but the author declined to save, not
    // started because the author would not leave hidden regions out, or not done (overlap, a
    // generator or write failure; the author was told).
    enum class Generation { Saved, Declined, Cancelled, Failed };
    using DataAction = KelvoDataManageWidgetItem::DataAction;

    explicit KelvoImgEncodeWidget(QWidget* parent = nullptr, const QString& name = QString(),
                                  Qt::WindowFlags flags = {});
    ~KelvoImgEncodeWidget() override;

    // "KELVO_ENCODER_WIDGET".
    QString widgetKey() const override;

    // Attaching data to the current region (or to a new one from the closed outline).
    void attachText(const QString& text);
    // Asks for a dictionary entry and attaches it; false when cancelled or refused.
    bool createDictEntry();
    bool attachDictEntry(KelvoTextHolderWidget* holder);
    // A rectangle, ellipse, speech or think bubble; plain text is attachText()'s.
    void insertShapedText(KelvoTextPictures::TextType kind);
    void attachShapedText(int number, KelvoEditorShapedText* widget);
    void attachImage(const QImage& source, const QPolygon& outline);
    void removeShapedText(KelvoEditorShapedText* widget);

    // Data manager rows: hide, show or delete a region's data; make one current.
    void itemAction(DataAction action, int number);
    void itemSelected(int number);
    void renameRegion(int number, const QString& name);
    // Removes the entry that `widget` shows; the region goes with its last entry.
    void removeEntry(int number, QWidget* widget);
    // Deletes the current region after asking; without one, forgets the outline.
    void deleteSelectedRegion();

    // Whether the closed outline shares no pixel with a text region or a coded region.
    bool selectionFree() const;
    // Whether image regions share no pixel with text regions or coded regions.
    bool regionsFree() const;
    // Codes the shaped texts and places the image regions where their snippets lie now. False
    // when a shaped text cannot be coded (it told the author why).
    bool prepareItems();
    // Each region's data size, room and packing level as the regions would be coded now,
    // shown in the data manager's rows; hidden regions have none.
    const KelvoRegionRooms& rooms() const { return m_rooms; }
    // Prepares, checks, generates with a progress dialog, offers to save and, once saved,
    // hands the window to the host to be replaced by a viewer of the file. With hidden regions
    // it first names them and lets the author cancel.
    Generation generateCodedImage();
    // Asked before "Save as" writes the plain picture: with ungenerated regions, whether to
    // generate the coded image instead (done here; false), to save the plain picture (true) or
    // to cancel (false; also Escape). True without regions.
    bool plainSaveWanted();
    // Takes over the regions of a coded picture: its outline image is shown, its regions are
    // kept free, and new regions are keyed after its `count` regions.
    void takeOverCodedImage(const QImage& outlineImage, const QImage& idImage, int count);

    void nextRegionNumber() override;

    const TheS_RegionMap& regions() const { return m_regions.regions(); }
    const KelvoRegionModel& regionMap() const { return m_regions; }
    bool hasData() const { return !m_regions.empty(); }
    int existingRegionCount() const { return m_existingRegionCount; }
    KelvoDataManageWidget* dataManager() const { return m_dataManager; }
    QUndoStack* undoStack() const { return m_undo.get(); }

signals:
    // After every mouse release and every change of the regions.
    void stateChanged(bool selectionClosed, bool hasData);
    // When the window got its picture.
    void activated(int selectionMode, bool selectionClosed, bool hasData);
    // One step of the generation: `step` of `total` done.
    void generationProgress(int step, int total);

protected:
    void pictureLoaded() override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void viewChanged() override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Where new widgets of the current region go, in widget coordinates.
    QPoint placementPoint() const;
    // Makes `data` the current region, on the closed outline; false when there is none.
    bool newRegion(TheS_Data data, const QString& change);
    // Takes region `number` to `after` (none: deleted) through the undo stack.
    void changeRegion(int number, const std::optional<KelvoRegionModel::Region>& after,
                      const QString& change);
    void dataAdded(QWidget* widget, QPoint at);
    void holderEdited(KelvoTextHolderWidget* holder, const KelvoTextHolderWidget::Content& before);
    // The widgets of every region, also of those an undo may bring back.
    QList<QWidget*> dataWidgets() const;
    // Undoable moves of a widget the author drags.
    template <class Dragged> void trackMoves(Dragged* widget);
    void notifyState();
    // prepareItems() on region `number`; with `tell` false a shaped text that cannot be coded
    // is left out silently.
    bool placeItems(int number, TheS_Data& region, bool tell) const;
    // Works out rooms() and shows them in the data manager.
    void showRooms();
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
    void warn(const QString& text);
    void limitSnippet(KelvoImgSnip* snippet) const;

    KelvoRegionModel m_regions;
    // Destroyed before the map, which its commands look at.
    std::unique_ptr<QUndoStack> m_undo;
    int m_existingRegionCount = 0;
    QImage m_displayImage;
    std::unique_ptr<KelvoOverlapMask> m_protectedMask;
    KelvoDataManageWidget* m_dataManager = nullptr;
    QPointer<QProgressDialog> m_progress;
    KelvoRegionRooms m_rooms;
    QTimer* m_roomTimer = nullptr;
};
