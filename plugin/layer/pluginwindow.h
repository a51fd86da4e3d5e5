// Base of the widget an instance shows in the browser's window for its embed element.
#pragma once

#include <QWidget>

class PluginInstance;

class PluginWindow : public QWidget {
    Q_OBJECT
public:
    explicit PluginWindow(PluginInstance* instance);

    PluginInstance* instance() const { return instance_; }

private:
    PluginInstance* instance_;
};
