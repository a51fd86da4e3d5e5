// The encoder window: the author marks regions of a plain picture (or of a coded one taken over
// with "Add Data"), attaches data to them (KelvoDataAttacher) and generates the coded picture
// from them (KelvoEncodeGeneration). The window holds the region map, which its data manager
// shows, and the undo stack through which every change of the regions and their data goes.
//
// Regions must not share pixels, neither with each other nor with the regions of a picture that
// is coded already, hidden or not.
#pragma once

#include "kelvodataattacher.h"
#include "kelvodatamanagewidgetitem.h"
#include "kelvoencodegeneration.h"
#include "kelvoimgselectionwidget.h"
#include "kelvoregionmodel.h"

#include <memory>

class KelvoDataManageWidget;
class KelvoImgSnip;
class KelvoOverlapMask;
class QUndoStack;

class KelvoImgEncodeWidget : public KelvoImgSelectionWidget {
    Q_OBJECT
public:
    using Generation = KelvoEncodeGeneration::Outcome;
    using DataAction = KelvoDataManageWidgetItem::DataAction;

    explicit KelvoImgEncodeWidget(QWidget* parent = nullptr, const QString& name = QString(),
                                  Qt::WindowFlags flags = {});
    ~KelvoImgEncodeWidget() override;

    // "KELVO_ENCODER_WIDGET".
    QString widgetKey() const override;

    // Attaching data to the current region (or to a new one from the closed outline).
    KelvoDataAttacher& attacher() { return *m_attacher; }
    KelvoEncodeGeneration& generation() { return *m_generation; }

    // Takes region `number` to `after` (none: deleted) through the undo stack.
    void changeRegion(int number, const std::optional<KelvoRegionModel::Region>& after,
                      const QString& change);
    // The closed outline (not repeated at the end) for a new region, which the window no longer
    // shows as a selection; empty without one.
    QPolygon takeClosedOutline();
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
    // Generates (see KelvoEncodeGeneration::generate()) and, once saved, hands the window to
    // the host to be replaced by a viewer of the file.
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
    // Tells the author `text` in a message box.
    void warn(const QString& text);
    // A snippet keeps its own size on screen at every zoom; it may be dragged as far as leaves
    // all its pixels on the picture.
    void limitSnippet(KelvoImgSnip* snippet) const;

signals:
    // After every mouse release and every change of the regions.
    void stateChanged(bool selectionClosed, bool hasData);
    // When the window got its picture.
    void activated(int selectionMode, bool selectionClosed, bool hasData);

protected:
    void pictureLoaded() override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void viewChanged() override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The widgets of every region, also of those an undo may bring back.
    QList<QWidget*> dataWidgets() const;
    void notifyState();

    KelvoRegionModel m_regions;
    // Destroyed before the map, which its commands look at.
    std::unique_ptr<QUndoStack> m_undo;
    int m_existingRegionCount = 0;
    QImage m_displayImage;
    std::unique_ptr<KelvoOverlapMask> m_protectedMask;
    KelvoDataManageWidget* m_dataManager = nullptr;
    // Destroyed before the map and the stack they work on.
    std::unique_ptr<KelvoDataAttacher> m_attacher;
    std::unique_ptr<KelvoEncodeGeneration> m_generation;
};
