#include "kelvotextholderwidget.h"

#include "kelvodicteditor.h"
#include "kelvodictentrydlg.h"
#include "kelvoimginputdlg.h"
#include "kelvomsgdlg.h"
#include "kelvoxmlparser.h"

#include <QMouseEvent>
#include <QPainter>

KelvoTextHolderWidget::KelvoTextHolderWidget(QWidget* parent, const QString& objectName,
                                             const QString& text, const QPixmap& icon,
                                             bool dictEntry)
    : QWidget(parent), m_dictEntry(dictEntry), m_icon(icon) {
    setObjectName(objectName);
    setFixedSize(icon.size());
    setCursor(Qt::PointingHandCursor);
    setText(text);
}

void KelvoTextHolderWidget::setText(const QString& text) {
    m_text = text;
    setToolTip(text);
}

void KelvoTextHolderWidget::setContent(const Content& content) {
    setText(content.text);
    m_entryId = content.entryId;
    m_codedWord = content.codedWord;
    m_languageIndex = content.languageIndex;
}

void KelvoTextHolderWidget::take(const Content& edited) {
    const Content before = content();
    setContent(edited);
    emit this->edited(before);
}

bool KelvoTextHolderWidget::editText() {
    QString text;
    if (!editUnformattedText(m_text, text, this))
        return false;
    take({text, m_entryId, m_codedWord, m_languageIndex});
    return true;
}

bool KelvoTextHolderWidget::editDictEntry() {
    int language = m_languageIndex;
    QString term = m_text;
    if (!askDictEntry(language, term, this))
        return false;
    term = term.trimmed();
    if (term.isEmpty())
        return false;

    const KelvoXmlParser dictionary;
    QString codedWord;
    int id = -1;
    if (dictionary.search(KelvoXmlParser::MainDictionary, term, language, codedWord, id) ||
        dictionary.search(KelvoXmlParser::PrivateDictionary, term, language, codedWord, id)) {
        take({term, id, codedWord, language});
        return true;
    }

    int answer = 0;
    if (!showMessage(answer, this, tr("Kelvo - Message"),
                     tr("The term is not in the dictionary yet.\nYou can now add it to your "
                        "private dictionary ..."),
                     tr("OK")))
        return false;
    QString newTerm = term;
    if (!addDictItem(KelvoXmlParser::PrivateDictionary, codedWord, newTerm, language, this))
        return false;
    take({newTerm, -1, codedWord, language});
    return true;
}

void KelvoTextHolderWidget::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, m_icon);
}

void KelvoTextHolderWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (!rect().contains(event->position().toPoint()))
        return;
    if (m_dictEntry)
        editDictEntry();
    else
        editText();
}
