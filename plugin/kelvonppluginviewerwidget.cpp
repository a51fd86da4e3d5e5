#include "kelvonppluginviewerwidget.h"

#include "npkelvoplugininstance.h"

KelvoNPPluginViewerWidget::KelvoNPPluginViewerWidget(NPKelvoPluginInstance* instance,
                                                     QWidget* parent)
    : KelvoPluginViewerWidget(parent), m_instance(instance) {
    setObjectName(QStringLiteral("KELVO_NP_PLUGIN_VIEWER_WIDGET"));
}

QString KelvoNPPluginViewerWidget::widgetKey() const {
    return QStringLiteral("KELVO_NP_PLUGIN_VIEWER_WIDGET");
}

bool KelvoNPPluginViewerWidget::hasLink() const {
    return m_instance->href().has_value();
}

void KelvoNPPluginViewerWidget::visitLinkLocation() {
    m_instance->followLink();
}
