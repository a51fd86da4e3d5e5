#include "kelvodicteditor.h"

#include "kelvoconfig.h"
#include "kelvodialoglook.h"
#include "kelvomsgdlg.h"
#include "kelvosaxreader.h"
#include "kelvoxmldictwriter.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Root may write any file, but a file that nobody has write permission for is meant to be kept
// as it is.
bool writable(const QFileInfo& file) {
    return file.isWritable() &&
           (file.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}

QLineEdit* termEdit(const QString& objectName, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setFixedWidth(200);
    return edit;
}

// Characters that a coded word cannot hold: pictures store references to items as Latin-1 text
// of the form "<codedWord>term".
QString unusableInCodedWord(const QString& word) {
    QString found;
    for (const QChar c : word) {
        if ((c.unicode() > 0xFF || c == QLatin1Char('<') || c == QLatin1Char('>')) &&
            !found.contains(c))
            found.append(c);
    }
    return found;
}

} // namespace

KelvoDictEditor::KelvoDictEditor(const QString& fileName, QWidget* parent)
    : QDialog(parent), m_fileName(fileName),
      m_writer(std::make_unique<KelvoXmlDictWriter>(fileName)) {
    KelvoDialogLook::apply(this);
    setWindowTitle(tr("Dictionary Entries"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 20, 20, 20);
    auto* box = new QGroupBox(this);
    auto* pairs = new QGridLayout(box);
    m_english = termEdit(QStringLiteral("englishEdit"), box);
    m_english->setPlaceholderText(tr("obligatory"));
    pairs->addWidget(new QLabel(tr("English:"), box), 0, 0);
    pairs->addWidget(m_english, 0, 1);
    const QList<TheS_Language>& languages = KelvoConfig::languages();
    for (int index = 1; index < languages.size(); ++index) {
        auto* edit = termEdit(QStringLiteral("edit_") + languages[index].tag, box);
        pairs->addWidget(new QLabel(languages[index].name + QLatin1Char(':'), box), index, 0);
        pairs->addWidget(edit, index, 1);
        m_further.append(edit);
    }
    grid->addWidget(box, 0, 0, 2, 4, Qt::AlignCenter);

    auto* ok = KelvoDialogLook::button(tr("OK"), "okButton", this);
    auto* cancel = KelvoDialogLook::button(tr("Cancel"), "cancelButton", this);
    ok->setDefault(true);
    grid->addWidget(ok, 2, 1, Qt::AlignRight);
    grid->addWidget(cancel, 2, 2, Qt::AlignLeft);
    connect(ok, &QPushButton::clicked, this, &KelvoDictEditor::okPressed);
    connect(cancel, &QPushButton::clicked, this, &KelvoDictEditor::cancelPressed);
    m_english->setFocus();
}

KelvoDictEditor::~KelvoDictEditor() = default;

QString KelvoDictEditor::fileProblem() const {
    const QFileInfo file(m_writer->filePath());
    if (!m_writer->isLoaded()) {
        if (!file.exists())
            return tr("The file does not exist.");
        if (!file.isFile())
            return tr("It is not a file.");
        if (!file.isReadable())
            return tr("The file cannot be read.");
        if (file.size() > KelvoSaxReader::MaxFileSize)
            return tr("The file is too large.");
        return tr("The file is not a valid dictionary.");
    }
    // Saving replaces the file by a new one written in the same folder.
    const QFileInfo target(file.canonicalFilePath());
    if (!target.exists())
        return tr("The file does not exist any more.");
    if (!writable(target))
        return tr("The file is read-only.");
    if (!writable(QFileInfo(target.absolutePath())))
        return tr("Its folder is read-only.");
    return {};
}

void KelvoDictEditor::showTerm(int languageIndex, const QString& term) {
    if (languageIndex == 0)
        m_english->setText(term);
    else if (languageIndex > 0 && languageIndex <= m_further.size())
        m_further[languageIndex - 1]->setText(term);
}

void KelvoDictEditor::warn(const QString& text) {
    int answer = 0;
    showMessage(answer, this, tr("Kelvo - Message"), text, tr("OK"));
}

bool KelvoDictEditor::checkEnglish(const QString& english) {
    if (english.isEmpty()) {
        warn(tr("The English term is obligatory ..."));
        return false;
    }
    const QString unusable = unusableInCodedWord(english);
    if (!unusable.isEmpty()) {
        warn(tr("The English term identifies the item in pictures and cannot contain these "
                "characters:\n%1")
                 .arg(unusable));
        return false;
    }
    return true;
}

QMap<int, TheS_DictEntries> KelvoDictEditor::translations(const QString& english) const {
    QMap<int, TheS_DictEntries> result;
    result.insert(0, {english, {}});
    for (int i = 0; i < m_further.size(); ++i) {
        const QString text = m_further[i]->text().trimmed();
        if (!text.isEmpty())
            result.insert(i + 1, {text, {}});
    }
    return result;
}

bool KelvoDictEditor::save(const QString& english, const QMap<int, TheS_DictEntries>& terms) {
    // Id -2: the item gets no id attribute.
    if (m_writer->appendItem(english, terms, -2) && m_writer->save())
        return true;

    QString reason = fileProblem();
    if (reason.isEmpty())
        reason = tr("The file could not be written; the disk may be full.");
    warn(tr("The private dictionary could not be saved:\n%1\n%2\nThe term was not added.")
             .arg(QDir::toNativeSeparators(m_writer->filePath()), reason));
    // Drop the unsaved item, so that another try does not write it twice.
    m_writer = std::make_unique<KelvoXmlDictWriter>(m_fileName);
    return false;
}

bool KelvoDictEditor::canWrite() {
    const QString reason = fileProblem();
    if (reason.isEmpty())
        return true;
    warn(tr("The private dictionary could not be opened:\n%1\n%2")
             .arg(QDir::toNativeSeparators(m_writer->filePath()), reason));
    return false;
}

void KelvoDictEditor::okPressed() {
    const QString english = m_english->text().trimmed();
    if (!checkEnglish(english) || !canWrite())
        return;

    // A second item with the same coded word would never be found: references resolve to the
    // first item that has it.
    const QMap<int, TheS_DictEntries> terms = translations(english);
    QString unused;
    TheS_DictItem existing;
    if (m_writer->lookup(QLatin1Char('<') + english + QLatin1Char('>'), unused, existing))
        warn(tr("The dictionary already holds an item for \"%1\".\nIt was not added again; the "
                "region refers to the existing item.")
                 .arg(english));
    else if (!save(english, terms))
        return;

    // The first further language filled in, else English.
    const auto shown = terms.size() > 1 ? std::next(terms.constBegin()) : terms.constBegin();
    m_codedWord = english;
    m_languageIndex = shown.key();
    m_term = shown->primary;
    accept();
}

void KelvoDictEditor::cancelPressed() {
    reject();
}

bool addDictItem(const QString& fileName, QString& codedWord, QString& term, int& languageIndex,
                 QWidget* parent) {
    KelvoDictEditor editor(fileName, parent);
    editor.setObjectName(QStringLiteral("KelvoDictEditor"));
    editor.showTerm(languageIndex, term);
    if (!editor.canWrite() || editor.exec() != QDialog::Accepted)
        return false;
    codedWord = editor.codedWord();
    term = editor.term();
    languageIndex = editor.languageIndex();
    return true;
}
