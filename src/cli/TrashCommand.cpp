// trash [restore --last]: what the Trash holds and what it takes on disk; restore --last puts
// back what the last move to the Trash took, here or in the application.

#include <iostream>

#include "Command.h"
#include "JsonRecords.h"
#include "engines/SecureEraser.h"
#include "platform/ByteFormatter.h"
#include "platform/LastTrashMove.h"
#include "platform/LocaleFormat.h"
#include "workflows/FileWorkflows.h"

namespace tornivo::cli {

namespace {

constexpr OptionDecl kOptions[] = {{"--last", false}};

std::string_view refusalText(RestoreRefusal reason) {
    switch (reason) {
        case RestoreRefusal::occupied:
            return "something else is at its place now";
        case RestoreRefusal::notInTrash:
            return "the Trash no longer holds it as it was moved";
        case RestoreRefusal::folderGone:
            return "its folder is gone";
        case RestoreRefusal::failed:
            return "the system refused";
    }
    return "";
}

int restore(Context& context) {
    const RestoreOutcome outcome = restoreLastTrashMove(context.layout());
    if (outcome.problem) {
        context.warn("nothing put back: " + terminalText(lastTrashMoveFile(context.layout())) +
                     " " + *outcome.problem);
        return kFailure;
    }
    if (context.json()) {
        Json stayed = Json::array();
        for (const auto& s : outcome.stayed)
            stayed.push_back(
                {{"path", toJson(s.item.original)}, {"reason", std::string(rawValue(s.reason))}});
        Json restored = Json::array();
        for (const auto& item : outcome.restored) restored.push_back(toJson(item.original));
        writeJson(std::cout, {{"restored", restored}, {"stayed", stayed}});
    } else if (outcome.restored.empty() && outcome.stayed.empty()) {
        std::cout << "Nothing to put back.\n";
    } else {
        for (const auto& item : outcome.restored)
            std::cout << "Put back " << terminalText(item.original) << '\n';
        std::cout << counted(static_cast<std::int64_t>(outcome.restored.size()), "item put back",
                             "items put back", context.locale())
                  << ".\n";
        for (const auto& s : outcome.stayed)
            context.warn("left in the Trash " + terminalText(s.item.original) + ": " +
                         std::string(refusalText(s.reason)));
    }
    return outcome.stayed.empty() ? kSuccess : kFailure;
}

int run(Context& context, const ParsedArguments& arguments) {
    const auto& words = arguments.positionals();
    if (!words.empty() && words.front() == "restore") {
        if (words.size() > 1) throw UsageError("unexpected argument " + quote(words[1]));
        if (!arguments.has("--last"))
            throw UsageError("restore needs --last: only the last move can be put back");
        return restore(context);
    }
    if (!words.empty()) throw UsageError("unexpected argument " + quote(words.front()));
    if (arguments.has("--last")) throw UsageError("--last goes with restore");
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
    "trash [restore --last]",
    "the items in the Trash; put back what the last move took",
    R"(Lists the items in the Trash (hidden ones too), in the order the folder lists them, and
the space they take on disk: a folder counts everything below it. Nothing is removed; shred
erases them. JSON: {"items": [PATH...], "totalBytes": BYTES}.
restore --last puts back, to their original places, exactly the items that the last move to
the Trash took (large files, duplicates, installers, X-Ray or uninstall, here or in the
application), as recorded when they moved. An item stays in the Trash when anything is at its
place now (nothing is ever replaced), when the Trash no longer holds the entry that moved, or
when its folder is gone; it can still be put back once its place is free. The status is 1 when
any item stayed. JSON: {"restored": [PATH...], "stayed": [{"path", "reason"}...]}.
)",
    kOptions,
    run,
};

}  // namespace tornivo::cli
