// A small icon on the encoder window's picture that stands for an unformatted text of a region,
// or for the region's dictionary entry. Releasing a mouse button over it reopens the text, or
// the dictionary entry, for editing.
#pragma once

#include <QPixmap>
#include <QWidget>

class KelvoTextHolderWidget : public QWidget {
    Q_OBJECT
public:
    // What the holder carries: the text, or the term with its dictionary item.
    struct Content {
        QString text;
        int entryId = -1;
        QString codedWord;
        int languageIndex = -1;
    };

    // The holder takes the icon's size and shows it. Whether it holds a dictionary entry is
    // fixed here.
    KelvoTextHolderWidget(QWidget* parent, const QString& objectName, const QString& text,
                          const QPixmap& icon, bool dictEntry);

    // The unformatted text, or for a dictionary entry the term in its language.
    const QString& text() const { return m_text; }
    bool isDictEntry() const { return m_dictEntry; }
    // The dictionary item of the term: its id (-1 when it has none or there is no item), its
    // coded word (empty when none) and the term's language index (-1 when none).
    int entryId() const { return m_entryId; }
    const QString& codedWord() const { return m_codedWord; }
    int languageIndex() const { return m_languageIndex; }
    Content content() const { return {m_text, m_entryId, m_codedWord, m_languageIndex}; }
    // Shows `content` again, as undo does; no edited() signal.
    void setContent(const Content& content);

    // Asks for the term and its language, looks it up in the main dictionary, then the private
    // one, and when neither has it offers to add it to the private dictionary. Returns whether
    // the holder took a term; cancelling anywhere leaves it as it was.
    bool editDictEntry();
    // Reopens the unformatted text; returns whether it was changed.
    bool editText();

signals:
    // The author changed the holder's text or dictionary entry; `before` is what it carried.
    void edited(const KelvoTextHolderWidget::Content& before);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setText(const QString& text);
    // Takes what the author entered and reports the edit.
    void take(const Content& edited);

    QString m_text;
    bool m_dictEntry;
    int m_entryId = -1;
    QString m_codedWord;
    int m_languageIndex = -1;
    QPixmap m_icon;
};
