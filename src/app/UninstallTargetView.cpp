#include "UninstallTargetView.h"

#include "RecordRoles.h"
#include "platform/PathText.h"

namespace tornivo::app {

UninstallTargetView::UninstallTargetView(QObject* parent)
    : QObject(parent), leftovers_(new RecordList<AppLeftover>(this)) {}

void UninstallTargetView::show(const UninstallTarget& target) {
    leftovers_->assign(target.leftovers);
    appName_ = QString::fromStdString(displayText(std::string_view(target.appName)));
    appPath_ = displayPath(target.appURL);
    appId_ = pathId(target.appURL);
    bundleID_ = target.bundleID ? QVariant(QString::fromStdString(*target.bundleID)) : QVariant();
    appSize_ = target.appSize;
    totalSize_ = target.totalSize();
    const auto removal = rawValue(target.removal);
    removal_ = QString::fromLatin1(removal.data(), static_cast<qsizetype>(removal.size()));
    // Looked up by the screen, so that it follows a change of language.
    noteKey_ = target.removal == AppRemoval::systemManaged ? QStringLiteral("un.systemManaged")
                                                           : QString();
    emit changed();
}

}  // namespace tornivo::app
