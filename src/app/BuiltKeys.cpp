// The texts whose keys are put together at run time ("tab." + a section's name, "un.kind." + a
// leftover's kind, "tune." + a task's id + ".title", ...), named here so that lupdate lists them
// with every other key. The translation test checks this list against the names they are built
// from.

#include <QtGlobal>

namespace tornivo::app {

extern const char* const kBuiltKeys[];
const char* const kBuiltKeys[] = {
    QT_TRID_NOOP("tab.clean"),
    QT_TRID_NOOP("tab.tuneup"),
    QT_TRID_NOOP("tab.developer"),
    QT_TRID_NOOP("tab.xray"),
    QT_TRID_NOOP("tab.duplicates"),
    QT_TRID_NOOP("tab.large"),
    QT_TRID_NOOP("tab.installers"),
    QT_TRID_NOOP("tab.uninstall"),
    QT_TRID_NOOP("tab.shred"),
    QT_TRID_NOOP("clean.category.appCache"),
    QT_TRID_NOOP("clean.category.systemLogs"),
    QT_TRID_NOOP("kind.images"),
    QT_TRID_NOOP("kind.videos"),
    QT_TRID_NOOP("kind.audio"),
    QT_TRID_NOOP("kind.documents"),
    QT_TRID_NOOP("kind.archives"),
    QT_TRID_NOOP("kind.developer"),
    QT_TRID_NOOP("kind.other"),
    QT_TRID_NOOP("un.kind.support"),
    QT_TRID_NOOP("un.kind.cache"),
    QT_TRID_NOOP("un.kind.preferences"),
    QT_TRID_NOOP("un.kind.container"),
    QT_TRID_NOOP("un.kind.logs"),
    QT_TRID_NOOP("un.kind.savedState"),
    QT_TRID_NOOP("un.kind.web"),
    QT_TRID_NOOP("un.kind.launch"),
    QT_TRID_NOOP("un.kind.scripts"),
    QT_TRID_NOOP("un.kind.other"),
    QT_TRID_NOOP("settings.mode.system"),
    QT_TRID_NOOP("settings.mode.light"),
    QT_TRID_NOOP("settings.mode.dark"),
    QT_TRID_NOOP("shred.strength.quick"),
    QT_TRID_NOOP("shred.strength.standard"),
    QT_TRID_NOOP("shred.strength.paranoid"),
    QT_TRID_NOOP("tune.memory.title"),
    QT_TRID_NOOP("tune.memory.subtitle"),
    QT_TRID_NOOP("tune.dns.title"),
    QT_TRID_NOOP("tune.dns.subtitle"),
    QT_TRID_NOOP("tune.fonts.title"),
    QT_TRID_NOOP("tune.fonts.subtitle"),
    QT_TRID_NOOP("tune.dock.title"),
    QT_TRID_NOOP("tune.dock.subtitle"),
    QT_TRID_NOOP("tune.finder.title"),
    QT_TRID_NOOP("tune.finder.subtitle"),
    QT_TRID_NOOP("tune.quicklook.title"),
    QT_TRID_NOOP("tune.quicklook.subtitle"),
    QT_TRID_NOOP("tune.journal.title"),
    QT_TRID_NOOP("tune.journal.subtitle"),
    QT_TRID_NOOP("tune.runtimes.title"),
    QT_TRID_NOOP("tune.runtimes.subtitle"),
    QT_TRID_NOOP("tune.packages.title"),
    QT_TRID_NOOP("tune.packages.subtitle"),
};

}  // namespace tornivo::app
