// The window in which the author edits the text and the look of one shaped text: font family,
// size, bold, italic, alignment and colour of the whole text, and the shape's background
// colour, transparency, contour width and contour colour. It changes nothing by itself:
// Preview, OK and Cancel hand a complete record to its owner, and OK and Cancel hide it.
// A line under the text tells the author what the picture cannot keep (characters outside
// Latin-1, fonts outside the picture's font table).
#pragma once

#include "thes_bubbledata.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QLabel;
class QTextEdit;

class KelvoTextEditor : public QMainWindow {
    Q_OBJECT
public:
    KelvoTextEditor(QWidget* parent, const QString& name, const QString& text, const QFont& font);

    // Shows `props` in the editor: text, font, colour and alignment of the whole text, and the
    // shape's colours, contour width and transparency.
    void loadProps(const TheS_BubbleData& props);
    // The record of what the editor shows.
    TheS_BubbleData props() const;
    // Paper and background button show `colour`.
    void setBackgroundColor(const QColor& colour);

    QTextEdit* textEdit() const { return m_edit; }
    QComboBox* familyBox() const { return m_family; }
    QComboBox* sizeBox() const { return m_size; }
    QComboBox* contourWidthBox() const { return m_contourWidth; }
    // What the picture cannot keep of the text and font; empty when it keeps everything.
    QString storageWarning() const;

signals:
    void previewed(const TheS_BubbleData& props);
    void accepted(const TheS_BubbleData& props);
    void cancelled();

protected:
    // Asks for a colour, starting from the given one; an invalid colour leaves things as they
    // are. The standard colour dialog.
    virtual QColor pickColour(const QColor& initial);

private slots:
    void textFamily(const QString& family);
    void textSize(const QString& size);
    void textBold();
    void textItalic();
    void fontChanged(const QFont& font);
    void alignmentChanged(int alignment);
    void colorChanged(const QColor& colour);
    void textLeft();
    void textCenter();
    void textRight();
    void textColor();
    void backgroundColor();
    void transparentBackground();
    void outlineColor();
    void outlineWidth(const QString& width);
    void preview();
    void ok();
    void cancel();

private:
    QAction* addToggle(QToolBar* bar, const QString& text, const char* name, QIcon icon,
                       void (KelvoTextEditor::*slot)());
    QAction* addColourButton(QToolBar* bar, const QString& text, const char* name,
                             void (KelvoTextEditor::*slot)());
    // Applies `change` to the whole text, then clears the selection.
    template <class Change> void applyToAll(Change change);
    void setAlignment(Qt::Alignment alignment);
    void updateWarning();

    QTextEdit* m_edit;
    QComboBox* m_family;
    QComboBox* m_size;
    QComboBox* m_contourWidth;
    QLabel* m_warning;
    QAction* m_bold;
    QAction* m_italic;
    QAction* m_left;
    QAction* m_center;
    QAction* m_right;
    QAction* m_textColour;
    QAction* m_backgroundColour;
    QAction* m_transparent;
    QAction* m_outlineColour;
    QColor m_background = QColor(255, 255, 255);
    QColor m_outline = QColor(0, 0, 0);
    int m_outlineWidth = 1;
    bool m_filled = true;
};
