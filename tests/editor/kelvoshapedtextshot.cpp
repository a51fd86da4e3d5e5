// kelvo-shapedtextshot: lays a speech bubble and a think bubble over a picture as the encoder
// window will, edits them with real pointer moves (peak, angle, circle, body handle) and the
// text properties editor, and saves a screenshot of the screen after each step:
//
//   kelvo-shapedtextshot PICTURE OUT_PREFIX
//
// Meant to run under a virtual X server (xvfb-run -a).
#include "kelvobubble.h"
#include "kelvobutton.h"
#include "kelvoeditorspeechbubble.h"
#include "kelvoeditorthinkbubble.h"
#include "kelvotexteditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QThread>

namespace {

class Picture : public QWidget {
public:
    explicit Picture(const QImage& image) : m_image(image) { resize(image.size()); }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, m_image); }

private:
    QImage m_image;
};

void settle() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 150) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

void shot(const QString& path) {
    settle();
    QApplication::primaryScreen()->grabWindow(0).copy(0, 0, 900, 900).save(path);
}

void drag(QWidget* widget, QPoint from, QPoint by) {
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(widget, from + by);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, from + by);
    settle();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        return 2;
    }
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    Picture picture(QImage(QString::fromLocal8Bit(argv[1])).scaled(600, 450));
    picture.move(0, 0);
    auto* speech = new KelvoEditorSpeechBubble(&picture, QStringLiteral("speech"));
    speech->move(60, 40);
    auto* think = new KelvoEditorThinkBubble(&picture, QStringLiteral("think"));
    think->move(330, 200);
    picture.show();
    shot(prefix + QStringLiteral("-1-new.png"));

    drag(speech->peakHandle(), QPoint(6, 6), QPoint(80, 40));
    drag(speech->angle2Handle(), QPoint(4, 4), QPoint(-25, 0));
    drag(speech->boxHandle(), QPoint(4, 4), QPoint(40, 20));
    KelvoBubble* circle = think->circles().back();
    drag(circle, circle->bodyRect().center(), QPoint(-40, 30));
    drag(think->mainBubble()->handle(), QPoint(4, 4), QPoint(20, 10));
    shot(prefix + QStringLiteral("-2-reshaped.png"));

    speech->changeProps();
    KelvoTextEditor* editor = speech->textEditor();
    editor->move(20, 480);
    TheS_BubbleData look = editor->props();
    look.textData.text = QStringLiteral("Mind the \u20ac gap!");
    look.textData.font = QFont(QStringLiteral("Times"), 16, QFont::Bold, true);
    look.textData.textColour = QColor(160, 20, 20);
    look.backgroundColour = QColor(230, 245, 255);
    look.outlineWidth = 3;
    editor->loadProps(look);
    emit editor->previewed(editor->props());
    TheS_BubbleData transparent = look;
    transparent.backgroundFilled = false;
    transparent.textData.text = QStringLiteral("I wonder...");
    emit think->textEditor()->accepted(transparent);
    shot(prefix + QStringLiteral("-3-editing.png"));
    return 0;
}
