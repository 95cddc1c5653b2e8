// shred [--passes 1|3|7] --yes: empties the Trash so that what was in it is hard to recover.

#include <iostream>

#include "Command.h"
#include "JsonRecords.h"
#include "engines/SecureEraser.h"
#include "platform/ByteFormatter.h"
#include "platform/LocaleFormat.h"
#include "workflows/FileWorkflows.h"

namespace tornivo::cli {

namespace {

constexpr OptionDecl kOptions[] = {{"--passes", true}, {"--yes", false}};

constexpr std::string_view kPassesWanted = "1, 3 or 7";

int run(Context& context, const ParsedArguments& arguments) {
    if (!arguments.positionals().empty())
        throw UsageError("unexpected argument " + quote(arguments.positionals().front()));
    const auto given = arguments.integer("--passes", 1, 7, kPassesWanted);
    const auto strength = shredStrengthFromPasses(static_cast<int>(given.value_or(1)));
    if (!strength)
        throw UsageError("--passes " + quote(*arguments.value("--passes")) +
                         " is not a pass count on offer: give " + std::string(kPassesWanted));
    if (!arguments.has("--yes"))
        throw UsageError("--yes is needed: what shred erases cannot be brought back");
    const int passes = static_cast<int>(*strength);

    if (!context.mayRemove()) return kFailure;
    const SecureEraser eraser(context.layout());
    // What the user protected in the Trash is neither listed nor erased.
    const TrashContents contents = listTrash(eraser, context.protection(), context.stop());
    if (context.stopped()) return kFailure;
    if (contents.refused) {
        context.reportUnread(ScanReport{{*contents.refused}, {}, 0});
        return kFailure;
    }
    const ShredOutcome outcome =
        contents.items.empty()
            ? ShredOutcome{}
            : shredTrash(eraser, contents, passes, context.protection(), nullptr, context.stop());

    if (context.json()) {
        writeJson(std::cout, toJson(outcome));
    } else if (contents.items.empty()) {
        std::cout << "The Trash is empty.\n";
    } else {
        std::cout << "Erased " << counted(outcome.count, "item", "items", context.locale())
                  << " of "
                  << formatInteger(static_cast<std::int64_t>(contents.items.size()),
                                   context.locale())
                  << ", " << formatBytes(outcome.bytes, context.locale()) << " overwritten "
                  << (passes == 1 ? "once" : formatInteger(passes, context.locale()) + " times")
                  << ".\n";
    }
    // Only what is gone counts as erased; anything left is said, and fails the command.
    RemovalOutcome removal;
    removal.left = outcome.left;
    removal.refused = outcome.refused;
    if (context.reportLeft(removal) != kSuccess) return kFailure;
    const auto left = static_cast<std::int64_t>(contents.items.size()) - outcome.count;
    if (left > 0 && !context.stopped()) {
        context.warn(counted(left, "item", "items", context.locale()) +
                     " could not be erased and stayed in the Trash");
        return kFailure;
    }
    return kSuccess;
}

}  // namespace

const Command shredCommand = {
    "shred",
    "shred [--passes 1|3|7] --yes",
    "securely empties the Trash (refuses without --yes)",
    R"(Erases every item in the Trash: each regular file is overwritten with random bytes
--passes times (1, 3 or 7; default 1), each pass flushed to the disk, then cut to zero length
and deleted; folders go with all they hold. Links are removed as links and never followed; a
file that also has a name outside the Trash is only unlinked from it. This cannot be undone,
so nothing happens without --yes. On SSDs and copy-on-write file systems overwriting cannot
reach every old copy of the data.
Items in protected folders stay. JSON: {"count": ITEMS, "bytes": BYTES, "left": [...]}: the
items erased (only those that are gone), the bytes overwritten, and what stayed with the reason. Exit status 1 when any item could not be
erased, or when the protected folders or the Trash folder cannot be trusted.
)",
    kOptions,
    run,
};

}  // namespace tornivo::cli
