// Asks which kind of text the author inserts: unformatted text, or text in a rectangle, an
// ellipse, a speech bubble or a think bubble. Each choice is a radio button showing a picture
// of that kind, named after the kind ("Simple_Text", "Simple_Rect", "Simple_Ellipse",
// "Speech_Bubble", "Think_Bubble"); the buttons' ids are the KelvoTextPictures::TextType codes.
#pragma once

#include <QDialog>

class QButtonGroup;

class KelvoTextTypeDlg : public QDialog {
    Q_OBJECT
public:
    explicit KelvoTextTypeDlg(QWidget* parent = nullptr);

    // 0 (unformatted text) until a picture is clicked.
    int chosenType() const { return m_type; }

public slots:
    void okPressed();
    void cancelPressed();
    void textType(int type);

private:
    int m_type = 0;
};

// Runs a KelvoTextTypeDlg modally; when it is accepted, writes the chosen type to type and
// returns true. A cancelled dialog leaves type untouched.
bool chooseTextType(QWidget* parent, int& type);
