// The dialog that gives an author the HTML for embedding a coded picture in a web page: file,
// width and height (filled in from the active window, editable), an optional link, the form
// (the plug-in's script and embed, or the web viewer's <img data-kelvo>), the text built from
// them and a button that copies it to the clipboard.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QTextEdit;

class KelvoHTMLGenerator : public QDialog {
    Q_OBJECT
public:
    // Sizes that the width and height fields accept.
    static constexpr int kMinSide = 1;
    static constexpr int kMaxSide = 3600;

    explicit KelvoHTMLGenerator(QWidget* parent = nullptr);

    // Fills in the file name and the picture's size, scaled down to fit within kMaxSide; the
    // text follows.
    void setPicture(const QString& fileName, int width, int height);

    QLineEdit* fileEdit() const { return m_file; }
    QLineEdit* widthEdit() const { return m_width; }
    QLineEdit* heightEdit() const { return m_height; }
    QCheckBox* linkCheck() const { return m_linkCheck; }
    QLineEdit* linkEdit() const { return m_link; }
    QCheckBox* webCheck() const { return m_webCheck; }
    QTextEdit* resultEdit() const { return m_result; }

public slots:
    void updateText();
    void copyToClipboard();
    // The link field is editable while "Link URL: " is checked.
    void activateLink();

private:
    QLineEdit* m_file;
    QLineEdit* m_width;
    QLineEdit* m_height;
    QCheckBox* m_linkCheck;
    QLineEdit* m_link;
    QCheckBox* m_webCheck;
    QTextEdit* m_result;
};
