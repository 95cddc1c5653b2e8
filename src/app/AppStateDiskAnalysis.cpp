// AppState: the X-Ray section.

#include <QJSEngine>

#include "AppState.h"
#include "RecordRoles.h"
#include "platform/PathText.h"

namespace tornivo::app {

void AppState::runDiskAnalysis() {
    assign(isAnalyzing_, true, &AppState::isAnalyzingChanged);
    assign(analysisFileCount_, qint64(0), &AppState::analysisFileCountChanged);
    assign(analysisFolder_, QString(), &AppState::analysisFolderChanged);
    // Each report crosses to the main thread on its own; one that lands after the result only
    // moves the two progress figures.
    const DiskAnalyzer::Progress progress = mainThreadCallback<std::int64_t, std::string>(
        this, [this](std::int64_t files, const std::string& folder) {
            assign(analysisFileCount_, static_cast<qint64>(files),
                   &AppState::analysisFileCountChanged);
            assign(analysisFolder_, QString::fromStdString(displayText(std::string_view(folder))),
                   &AppState::analysisFolderChanged);
        });
    const Operation operation = start(Section::xray);
    diskAnalyzer_
        .run([progress, now = now_(), protection = exclusions_->protection(),
              stop = operation.stop.get_token(),
              slot = operation.callback()](DiskAnalyzer& engine) {
            auto both = [&](std::int64_t files, const std::string& folder) {
                progress(files, folder);
                slot({files, folder, 0, 0});
            };
            return analyzeDisk(engine, protection, both, now, stop);
        })
        .then(this, [this, stop = operation.stop](Findings<DiskCategory> found) {
            finish(Section::xray, stop);
            if (!stop.stop_requested()) {  // stopped: the earlier result stays
                publishReport(Section::xray, std::move(found.report));
                // Protected files leave the lists; the totals keep what the walk counted.
                diskCategories_->replace(std::move(found.records));
                publishDiskFiles();
                emit diskCategoriesChanged();
            }
            assign(isAnalyzing_, false, &AppState::isAnalyzingChanged);
        });
}

void AppState::trashDiskFile(const DiskFile& file, FileKind kind) {
    diskAnalyzer_
        .run([file, protection = exclusions_->protection()](DiskAnalyzer& engine) {
            return tornivo::trashDiskFile(engine, file, protection);
        })
        .then(this, [this, file, kind](RemovalOutcome outcome) {
            const bool moved = outcome.done > 0;
            if (moved) dropDiskFile(file, kind);
            publishOutcome(Section::xray, std::move(outcome));
            emit diskFileTrashed(moved);
        });
}

void AppState::dropDiskFile(const DiskFile& file, FileKind kind) {
    const auto& rows = diskCategories_->rows();
    auto it = std::find_if(rows.begin(), rows.end(),
                           [&](const DiskCategory& c) { return c.kind == kind; });
    if (it != rows.end()) {
        const int row = static_cast<int>(it - rows.begin());
        DiskCategory category = *it;
        std::erase_if(category.files, [&](const DiskFile& f) { return f.id == file.id; });
        category.size = std::max<ByteCount>(0, category.size - file.size);
        category.fileCount = std::max<std::int64_t>(0, category.fileCount - 1);
        if (category.size == 0)
            diskCategories_->removeAt(row);
        else
            diskCategories_->update(row, std::move(category));
        publishDiskFiles();
        emit diskCategoriesChanged();
    }
    monitor_->refresh();
    play(SoundCue::removeDone);
}

void AppState::trashDiskFile(const QString& fileId, const QString& kind) {
    const auto fileKind = fromRawValue<FileKind>(kind.toStdString());
    const Uuid id = Uuid::fromString(fileId.toStdString());
    if (!fileKind || id.isNull()) return;
    for (const auto& category : diskCategories_->rows()) {
        if (category.kind != *fileKind) continue;
        for (const auto& file : category.files)
            if (file.id == id) return trashDiskFile(DiskFile(file), *fileKind);
        return;  // only the first category of a kind is looked at, as the removal does
    }
}

RecordListModel* AppState::diskFiles(const QString& kind) {
    const auto fileKind = fromRawValue<FileKind>(kind.toStdString());
    if (!fileKind) return nullptr;
    auto& model = diskFileModels_[static_cast<std::size_t>(*fileKind)];
    if (!model) {
        model = new RecordList<DiskFile>(this);
        QJSEngine::setObjectOwnership(model, QJSEngine::CppOwnership);
        publishDiskFiles();
    }
    return model;
}

// Shows each kind's listed files in its model, if QML asked for one.
void AppState::publishDiskFiles() {
    for (FileKind kind : allCases<FileKind>()) {
        auto* model = diskFileModels_[static_cast<std::size_t>(kind)];
        if (!model) continue;
        const auto& rows = diskCategories_->rows();
        auto it = std::find_if(rows.begin(), rows.end(),
                               [&](const DiskCategory& c) { return c.kind == kind; });
        model->assign(it == rows.end() ? std::vector<DiskFile>() : it->files);
    }
}

}  // namespace tornivo::app
