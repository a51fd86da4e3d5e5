// The plug-in viewer bound to its instance, through which it follows the embed's link.
#pragma once

#include "kelvopluginviewerwidget.h"

class NPKelvoPluginInstance;

class KelvoNPPluginViewerWidget : public KelvoPluginViewerWidget {
    Q_OBJECT
public:
    KelvoNPPluginViewerWidget(NPKelvoPluginInstance* instance, QWidget* parent);

    // "KELVO_NP_PLUGIN_VIEWER_WIDGET".
    QString widgetKey() const override;
    bool hasLink() const override;

public slots:
    // Asks the browser to open the link in the instance's target window.
    void visitLinkLocation() override;

private:
    NPKelvoPluginInstance* m_instance;
};
