// trash: what the Trash holds and what it takes on disk.

#include <iostream>

#include "Command.h"
#include "JsonRecords.h"
#include "engines/SecureEraser.h"
#include "platform/ByteFormatter.h"
#include "platform/LocaleFormat.h"
#include "workflows/FileWorkflows.h"

namespace tornivo::cli {

namespace {

int run(Context& context, const ParsedArguments& arguments) {
    if (!arguments.positionals().empty())
        throw UsageError("unexpected argument " + quote(arguments.positionals().front()));
    // What the user protected is not listed (its bytes still count in the total).
    const TrashContents contents =
        listTrash(SecureEraser(context.layout()), context.protection(), context.stop());
    if (context.stopped()) return kFailure;
    if (contents.refused) {
        context.reportUnread(ScanReport{{*contents.refused}, {}, 0});
        return kFailure;
    }

    if (context.json()) {
        writeJson(std::cout,
                  {{"items", toJsonArray(contents.items)}, {"totalBytes", contents.totalBytes}});
        return kSuccess;
    }
    if (contents.items.empty()) {
        std::cout << "The Trash is empty.\n";
        return kSuccess;
    }
    for (const Path& item : contents.items) std::cout << terminalText(item) << '\n';
    std::cout << counted(static_cast<std::int64_t>(contents.items.size()), "item", "items",
                         context.locale())
              << ", " << formatBytes(contents.totalBytes, context.locale()) << '\n';
    return kSuccess;
}

}  // namespace

const Command trashCommand = {
    "trash",
    "trash",
    "the items in the Trash and what they take on disk",
    R"(Lists the items in the Trash (hidden ones too), in the order the folder lists them, and
the space they take on disk: a folder counts everything below it. Nothing is removed; shred
erases them. JSON: {"items": [PATH...], "totalBytes": BYTES}.
)",
    {},
    run,
};

}  // namespace tornivo::cli
