#include "hostoptions.h"

#include <QStringList>

namespace {

std::optional<QPoint> parsePoint(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    bool xOk = false;
    bool yOk = false;
    if (parts.size() != 2)
        return std::nullopt;
    const QPoint point(parts[0].trimmed().toInt(&xOk), parts[1].trimmed().toInt(&yOk));
    return xOk && yOk ? std::optional<QPoint>(point) : std::nullopt;
}

} // namespace

QString HostOptions::usage() {
    return QStringLiteral(
        "usage: npkelvo-host [PAGE.html] [--plugin PATH] [--param NAME=VALUE]...\n"
        "                    [--chunk-size BYTES] [--hover X,Y]... [--click X,Y]...\n"
        "                    [--dump] [--screenshot FILE.png] [--quit]");
}

std::optional<HostOptions> HostOptions::parse(const QStringList& arguments, QString* error) {
    HostOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        const QString value = hasValue ? arguments[i + 1] : QString();
        auto needValue = [&]() {
            if (!hasValue)
                *error = QStringLiteral("%1 needs a value").arg(argument);
            ++i;
            return hasValue;
        };
        if (argument == QLatin1String("--plugin")) {
            if (!needValue())
                return std::nullopt;
            options.plugin = value;
        } else if (argument == QLatin1String("--param")) {
            if (!needValue())
                return std::nullopt;
            const qsizetype equals = value.indexOf(QLatin1Char('='));
            if (equals <= 0) {
                *error = QStringLiteral("--param wants NAME=VALUE, not \"%1\"").arg(value);
                return std::nullopt;
            }
            options.parameters.append({value.left(equals).toLower(), value.mid(equals + 1)});
        } else if (argument == QLatin1String("--chunk-size")) {
            if (!needValue())
                return std::nullopt;
            bool ok = false;
            options.chunkSize = value.toInt(&ok);
            if (!ok || options.chunkSize <= 0) {
                *error = QStringLiteral("--chunk-size wants a positive number of bytes");
                return std::nullopt;
            }
        } else if (argument == QLatin1String("--hover") || argument == QLatin1String("--click")) {
            if (!needValue())
                return std::nullopt;
            const auto point = parsePoint(value);
            if (!point) {
                *error = QStringLiteral("%1 wants X,Y, not \"%2\"").arg(argument, value);
                return std::nullopt;
            }
            options.actions.append(
                {argument == QLatin1String("--hover") ? PointerAction::Hover : PointerAction::Click,
                 *point});
        } else if (argument == QLatin1String("--screenshot")) {
            if (!needValue())
                return std::nullopt;
            options.screenshot = value;
        } else if (argument == QLatin1String("--dump")) {
            options.dump = true;
        } else if (argument == QLatin1String("--quit")) {
            options.quit = true;
        } else if (argument.startsWith(QLatin1String("--"))) {
            *error = QStringLiteral("unknown option %1").arg(argument);
            return std::nullopt;
        } else if (options.page.isEmpty()) {
            options.page = argument;
        } else {
            *error = QStringLiteral("more than one page given");
            return std::nullopt;
        }
    }
    if (options.page.isEmpty() && options.parameters.isEmpty()) {
        *error = QStringLiteral("give a page or --param values");
        return std::nullopt;
    }
    return options;
}
