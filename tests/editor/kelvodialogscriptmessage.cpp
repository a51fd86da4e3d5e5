// The step for the editor's own message dialog, apart so that tests without the editor can use
// the script.
#include "kelvodialogscript.h"

#include "kelvomsgdlg.h"

KelvoDialogScript& KelvoDialogScript::pressOnMessage(int button, QString* text, QString* caption) {
    return then<KelvoMsgDlg>([button, text, caption](KelvoMsgDlg* dialog) {
        if (caption)
            *caption = dialog->windowTitle();
        if (text)
            *text = messageText(dialog);
        click(dialog, QStringLiteral("button%1").arg(button));
    });
}
