#include "kelvotool.h"

#include "kelvocapacitycommand.h"
#include "kelvocontourcommand.h"
#include "kelvodictcommand.h"
#include "kelvohtmlcommand.h"
#include "kelvotoolcommands.h"
#include "kelvotoolerror.h"

#include <QMap>

#include <algorithm>
#include <new>
#include <optional>
#include <utility>
#include <vector>

namespace {

const char* const kProgram = "kelvo-tool";

const char* const kOverview =
    "Usage: kelvo-tool COMMAND ARGUMENTS\n"
    "Makes coded pictures and reads them back.\n"
    "\n"
    "Commands:\n"
    "  test IMAGE                      print \"coded\" (exit 0) or \"not coded\" (exit 1)\n"
    "  decode IMAGE                    print the hidden data of IMAGE as JSON\n"
    "  encode IN OUT ANNOTATIONS.json  code the annotations into IN, write OUT as PNG\n"
    "  capacity IMAGE ANNOTATIONS.json print each region's data size, room and level as JSON\n"
    "  erase IN OUT [--index I]        remove the marks of all regions or of one region\n"
    "  idimage IN OUT.png              write the region id image as an 8-bit grey PNG\n"
    "  contour IMAGE X,Y               print the outline found from a background point\n"
    "  html IMAGE [--link URL] [--web] print the HTML that embeds IMAGE in a web page\n"
    "  dict lookup ID|WORD             print a dictionary item as JSON\n"
    "  dict search TERM --lang TAG     print the items with a term of language TAG as JSON\n"
    "\n"
    "\"kelvo-tool COMMAND --help\" describes a command. Errors exit with 2.\n";

struct Invocation {
    QStringList positional;
    QMap<QString, QString> options; // "--name" -> value (empty for a flag) of the options given
};

int runTest(const Invocation& call, QTextStream& out, QTextStream&) {
    const bool coded = KelvoToolCommands::test(call.positional[0]);
    out << (coded ? "coded" : "not coded") << Qt::endl;
    return coded ? KelvoTool::Success : KelvoTool::NotCoded;
}

int runDecode(const Invocation& call, QTextStream& out, QTextStream&) {
    out << KelvoToolCommands::decode(call.positional[0]);
    out.flush();
    return KelvoTool::Success;
}

int runEncode(const Invocation& call, QTextStream&, QTextStream& err) {
    const QStringList warnings =
        KelvoToolCommands::encode(call.positional[0], call.positional[1], call.positional[2]);
    for (const QString& warning : warnings) {
        err << kProgram << ": warning: " << warning << Qt::endl;
    }
    return KelvoTool::Success;
}

int runCapacity(const Invocation& call, QTextStream& out, QTextStream&) {
    const KelvoCapacityCommand::Report report =
        KelvoCapacityCommand::report(call.positional[0], call.positional[1]);
    out << report.json;
    out.flush();
    return report.allFit ? KelvoTool::Success : KelvoTool::DoesNotFit;
}

int runErase(const Invocation& call, QTextStream&, QTextStream&) {
    std::optional<int> index;
    if (call.options.contains(QStringLiteral("--index"))) {
        bool ok = false;
        index = call.options.value(QStringLiteral("--index")).toInt(&ok);
        if (!ok || *index < 0) {
            throw KelvoToolError(QStringLiteral("--index needs one id index (0 or more)"));
        }
    }
    KelvoToolCommands::erase(call.positional[0], call.positional[1], index);
    return KelvoTool::Success;
}

int runIdImage(const Invocation& call, QTextStream&, QTextStream&) {
    KelvoToolCommands::idImage(call.positional[0], call.positional[1]);
    return KelvoTool::Success;
}

int runContour(const Invocation& call, QTextStream& out, QTextStream&) {
    const std::optional<QByteArray> outline =
        KelvoContourCommand::outline(call.positional[0], call.positional[1]);
    if (!outline) {
        throw KelvoToolError(QStringLiteral("no closed contour"), KelvoTool::NotFound);
    }
    out << *outline << Qt::endl;
    return KelvoTool::Success;
}

int runHtml(const Invocation& call, QTextStream& out, QTextStream&) {
    std::optional<QString> link;
    if (call.options.contains(QStringLiteral("--link"))) {
        link = call.options.value(QStringLiteral("--link"));
    }
    // The text ends without a newline, as the editor copies it; a line of output gets one.
    out << KelvoHtmlCommand::text(call.positional[0], link,
                                  call.options.contains(QStringLiteral("--web")))
        << Qt::endl;
    return KelvoTool::Success;
}

int runDict(const Invocation& call, QTextStream& out, QTextStream&) {
    const QString& action = call.positional[0];
    const bool hasLanguage = call.options.contains(QStringLiteral("--lang"));
    if (action == QLatin1String("lookup") && !hasLanguage) {
        const std::optional<QByteArray> item = KelvoDictCommand::lookup(call.positional[1]);
        if (!item)
            throw KelvoToolError(QStringLiteral("not found"), KelvoTool::NotFound);
        out << *item << Qt::endl;
        return KelvoTool::Success;
    }
    if (action == QLatin1String("search") && hasLanguage) {
        out << KelvoDictCommand::search(call.positional[1],
                                        call.options.value(QStringLiteral("--lang")))
            << Qt::endl;
        return KelvoTool::Success;
    }
    throw KelvoToolError(QStringLiteral("Usage: kelvo-tool dict lookup ID|WORD | "
                                        "dict search TERM --lang TAG"));
}

struct Command {
    const char* name;
    int (*run)(const Invocation&, QTextStream& out, QTextStream& err);
    int arguments; // positional arguments
    // Value options it accepts, each "--name VALUE" at most once, with what the value is.
    std::vector<std::pair<QString, QString>> options;
    const char* help;
    std::vector<QString> flags = {}; // options without a value
};

const Command kCommands[] = {
    {"test",
     runTest,
     1,
     {},
     "Usage: kelvo-tool test IMAGE\n"
     "Prints \"coded\" and exits with 0 when IMAGE carries coded regions, otherwise prints\n"
     "\"not coded\" and exits with 1.\n"},
    {"decode",
     runDecode,
     1,
     {},
     "Usage: kelvo-tool decode IMAGE\n"
     "Prints the picture's size and every coded region as JSON: key, packing level, start\n"
     "points, pixel counts, records (type, sub-index, payload in hex; texts and dictionary\n"
     "entries as \"text\", shaped texts as \"shapes\", image snippets with their \"size\") and\n"
     "the colour list.\n"},
    {"encode",
     runEncode,
     3,
     {},
     "Usage: kelvo-tool encode IN OUT ANNOTATIONS.json\n"
     "Codes the regions of ANNOTATIONS.json into the picture IN and writes OUT as PNG.\n"
     "Unless the file says otherwise, blue bit 0 of every pixel is cleared when IN carries no\n"
     "coded data, and the first new region key follows the highest key coded in IN.\n"
     "New regions must lie inside the picture and overlap neither each other nor coded\n"
     "regions of IN. Texts keep only Latin-1 characters; the others are named in a warning\n"
     "on stderr.\n"},
    {"capacity",
     runCapacity,
     2,
     {},
     "Usage: kelvo-tool capacity IMAGE ANNOTATIONS.json\n"
     "Prints one JSON entry per region with data, as \"encode\" would code IMAGE: \"region\"\n"
     "(its index in the file), \"bytes\" its data take after compression, \"room\" the most\n"
     "bytes its \"pixels\" data pixels hold, the packing \"level\" (0: too little room),\n"
     "\"visible\" when that level changes the picture visibly, \"fits\", and the encoder's\n"
     "\"problem\" when it refuses the region for another reason. Exits with 0 when every\n"
     "region fits, that is exactly when \"encode\" succeeds, and with 1 otherwise.\n"},
    {"erase",
     runErase,
     2,
     {{QStringLiteral("--index"), QStringLiteral("one id index (0 or more)")}},
     "Usage: kelvo-tool erase IN OUT [--index I]\n"
     "Removes the marks of every coded region of IN, or with --index those of the region that\n"
     "owns palette index I of the decoded id image, and writes OUT as PNG.\n"},
    {"idimage",
     runIdImage,
     2,
     {},
     "Usage: kelvo-tool idimage IN OUT.png\n"
     "Decodes IN and writes its id image as an 8-bit grey PNG whose grey values are the\n"
     "id palette indices (0: no region).\n"},
    {"contour",
     runContour,
     2,
     {},
     "Usage: kelvo-tool contour IMAGE X,Y\n"
     "Takes the colour of pixel X,Y as the background and walks round the object nearest to\n"
     "the picture's top-left that stands on it, as the image grabber's automatic selection\n"
     "does. Prints the outline as a JSON array of [x, y] points in walk order and exits with\n"
     "0, or prints \"no closed contour\" on stderr and exits with 1.\n"},
    {"html",
     runHtml,
     1,
     {{QStringLiteral("--link"), QStringLiteral("the URL the picture links to")}},
     "Usage: kelvo-tool html IMAGE [--link URL] [--web]\n"
     "Prints the HTML with which a web page embeds IMAGE through the plug-in, as the editor's\n"
     "HTML generator makes it: IMAGE as given, the picture's width and height, and with --link\n"
     "the link target, each escaped so that the page reads it as given. With --web, the\n"
     "<img data-kelvo> element that the web viewer (kelvo-web.js) shows, after the script\n"
     "element that loads it.\n",
     {QStringLiteral("--web")}},
    {"dict",
     runDict,
     2,
     {{QStringLiteral("--lang"), QStringLiteral("a language tag of the language list")}},
     "Usage: kelvo-tool dict lookup ID|WORD | dict search TERM --lang TAG\n"
     "Reads the dictionaries under KELVO_DIR as the viewers do. \"lookup\" prints the item with\n"
     "id ID (digits only) or coded word WORD as JSON, or \"not found\" on stderr with exit 1.\n"
     "\"search\" prints a JSON array of every item with a term of language TAG equal to TERM,\n"
     "ignoring case, the main dictionary's before the private one's.\n"},
};

bool isHelp(const QString& argument) {
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

QString usageLine(const Command& command) {
    return QString::fromLatin1(command.help).section(QLatin1Char('\n'), 0, 0);
}

Invocation parse(const Command& command, const QStringList& arguments) {
    Invocation invocation;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const auto option =
            std::find_if(command.options.begin(), command.options.end(),
                         [&argument](const auto& known) { return known.first == argument; });
        if (std::find(command.flags.begin(), command.flags.end(), argument) !=
            command.flags.end()) {
            invocation.options.insert(argument, QString());
        } else if (option != command.options.end()) {
            if (i + 1 >= arguments.size() || invocation.options.contains(argument)) {
                throw KelvoToolError(QStringLiteral("%1 needs %2; ").arg(argument, option->second) +
                                     usageLine(command));
            }
            invocation.options.insert(argument, arguments[++i]);
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            throw KelvoToolError(QStringLiteral("unknown option %1; ").arg(argument) +
                                 usageLine(command));
        } else {
            invocation.positional.append(argument);
        }
    }
    if (invocation.positional.size() != command.arguments) {
        throw KelvoToolError(usageLine(command));
    }
    return invocation;
}

} // namespace

int KelvoTool::run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty()) {
        err << kProgram << ": no command; see kelvo-tool --help" << Qt::endl;
        return Failure;
    }
    if (isHelp(arguments.first())) {
        out << kOverview;
        return Success;
    }
    const Command* command = nullptr;
    for (const Command& c : kCommands) {
        if (arguments.first() == QLatin1String(c.name)) {
            command = &c;
        }
    }
    if (!command) {
        err << kProgram << ": unknown command \"" << arguments.first()
            << "\"; see kelvo-tool --help" << Qt::endl;
        return Failure;
    }
    const QStringList rest = arguments.mid(1);
    if (std::any_of(rest.begin(), rest.end(), isHelp)) {
        out << command->help;
        return Success;
    }
    try {
        return command->run(parse(*command, rest), out, err);
    } catch (const KelvoToolError& error) {
        err << kProgram << ": " << error.message() << Qt::endl;
        return error.exitCode();
    } catch (const std::bad_alloc&) {
        err << kProgram << ": out of memory" << Qt::endl;
    }
    return Failure;
}
