// The host's command line:
//   npkelvo-host [PAGE.html] [--plugin PATH] [--param NAME=VALUE]... [--chunk-size BYTES]
//                [--hover X,Y]... [--click X,Y]... [--dump] [--screenshot FILE.png] [--quit]
// Without a page the --param values make one embed; with a page they are added to every
// embed, replacing attributes of the same name. Pointer actions run in the order given, in
// window coordinates, once every embed has loaded.
#pragma once

#include <QList>
#include <QPair>
#include <QPoint>
#include <QString>

#include <optional>

struct HostOptions {
    struct PointerAction {
        enum Kind { Hover, Click } kind;
        QPoint position;
    };

    QString page;
    QString plugin;
    QList<QPair<QString, QString>> parameters;
    int chunkSize = 0; // 0: as large as the plug-in accepts
    QList<PointerAction> actions;
    bool dump = false;
    QString screenshot;
    bool quit = false;

    // nullopt, with the reason in `error`, for a command line that cannot be used.
    static std::optional<HostOptions> parse(const QStringList& arguments, QString* error);
    static QString usage();
};
