// A widget that shows a picture (the start and about pictures) centred over its parent,
// optionally with an "OK" button that hides it again.
#pragma once

#include <QString>
#include <QWidget>

class QPushButton;

class KelvoInfoWidget : public QWidget {
    Q_OBJECT
public:
    KelvoInfoWidget(QWidget* parent, const QString& name, Qt::WindowFlags flags = {});

    // Loads `fileName` as PNG and makes it the widget's background, at the picture's size,
    // centred in the parent (at 0, 0 without one); the owner shows and hides the widget. With
    // `withOk` an "OK" button near the bottom hides it. False, leaving the widget as it was,
    // when the file cannot be loaded.
    bool showPicture(const QString& fileName, bool withOk);

    QPushButton* okButton() const { return m_ok; }

private:
    QPushButton* m_ok = nullptr;
};
