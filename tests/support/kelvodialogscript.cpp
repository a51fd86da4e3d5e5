#include "kelvodialogscript.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

constexpr int PollMs = 20;

QString describe(const QWidget* widget) {
    return QStringLiteral("%1 \"%2\"")
        .arg(QLatin1String(widget->metaObject()->className()), widget->windowTitle());
}

} // namespace

KelvoDialogScript::KelvoDialogScript() {
    connect(&m_timer, &QTimer::timeout, this, &KelvoDialogScript::poll);
    m_timer.start(PollMs);
}

bool KelvoDialogScript::done() const {
    return m_failure.isEmpty() && m_next == m_steps.size();
}

QString KelvoDialogScript::failure() const {
    if (!m_failure.isEmpty())
        return m_failure;
    if (m_next < m_steps.size())
        return QStringLiteral("step %1 never saw a %2")
            .arg(m_next + 1)
            .arg(QLatin1String(m_steps[m_next].className));
    return {};
}

void KelvoDialogScript::poll() {
    if (!m_failure.isEmpty())
        return;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && m_next < m_steps.size() && m_steps[m_next].matches(modal)) {
        m_waitedMs = 0;
        // Acting from a fresh event: a click may run a nested dialog, during which this timer
        // must go on polling.
        const size_t step = m_next++;
        QTimer::singleShot(0, this, [this, step, modal] {
            if (QApplication::activeModalWidget() == modal)
                m_steps[step].act(modal);
            else
                fail(QStringLiteral("the %1 of step %2 closed before it could be answered")
                         .arg(QLatin1String(m_steps[step].className))
                         .arg(step + 1));
        });
        return;
    }
    // Waiting is only counted while a step is due or an unexpected dialog is open.
    if (m_next == m_steps.size() && !modal) {
        m_waitedMs = 0;
        return;
    }
    m_waitedMs += PollMs;
    if (m_waitedMs < TimeoutMs)
        return;
    fail(m_next < m_steps.size()
             ? QStringLiteral("step %1 waited in vain for a %2%3")
                   .arg(m_next + 1)
                   .arg(QLatin1String(m_steps[m_next].className))
                   .arg(modal ? QStringLiteral("; open: ") + describe(modal) : QString())
             : QStringLiteral("unexpected dialog: ") + describe(modal));
}

void KelvoDialogScript::fail(const QString& why) {
    m_failure = why;
    m_timer.stop();
    // Closes nested dialogs from the innermost out; a dialog that refuses to close must not
    // keep this loop going.
    for (int i = 0; i < 16; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            break;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
}

void KelvoDialogScript::click(QWidget* dialog, const QString& buttonName) {
    auto* button = dialog->findChild<QPushButton*>(buttonName);
    QVERIFY2(button, qPrintable(QStringLiteral("no button ") + buttonName));
    QTest::mouseClick(button, Qt::LeftButton);
}

void KelvoDialogScript::clickLabelled(QWidget* widget, const QString& text) {
    for (QPushButton* button : widget->findChildren<QPushButton*>()) {
        if (button->text() == text) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no button labelled ") + text));
}

void KelvoDialogScript::keys(QWidget* widget, const QString& text) {
    for (const uint c : text.toUcs4()) {
        if (c < 0x80)
            QTest::keyClick(widget, char(c));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown,
                                QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1),
                                Qt::NoModifier);
    }
}

void KelvoDialogScript::type(QWidget* dialog, const QString& editName, const QString& text) {
    QWidget* edit = dialog->findChild<QLineEdit*>(editName);
    if (!edit) {
        edit = dialog->findChild<QPlainTextEdit*>(editName);
    }
    QVERIFY2(edit, qPrintable(QStringLiteral("no edit ") + editName));
    QTest::keySequence(edit, QKeySequence::SelectAll);
    QTest::keyClick(edit, Qt::Key_Delete);
    keys(edit, text);
}

QString KelvoDialogScript::messageText(QWidget* dialog) {
    auto* label = dialog->findChild<QLabel*>(QStringLiteral("messageText"));
    return label ? label->text() : QString();
}
