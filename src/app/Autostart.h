#pragma once
// Starting Tornivo at login: a desktop entry in the user's autostart folder
// ($XDG_CONFIG_HOME/autostart/ID.desktop) that the session runs after login. Scheduled scans run
// only while Tornivo runs, which is what this is for. The switch shows whether that entry is
// there; writing, removing and looking happen on a worker of their own, one at a time and in
// order. Lives on the main thread.

#include <QtQml/qqmlregistration.h>
#include <QObject>

#include <memory>
#include <string>

#include "SerialExecutor.h"
#include "models/Types.h"

class QQmlEngine;
class QJSEngine;

namespace tornivo::app {

// The autostart folder and the one entry in it that is ours. Plain file work, run on a worker.
class AutostartFolder {
  public:
    AutostartFolder(Path folder, std::string appId, Path executable);

    // Whether an entry of that name is there: a regular file, or a link (the user's own).
    bool exists() const;
    // Writes the entry whole under a temporary name and renames it into place: a reader sees the
    // old entry or the new one, and a link of that name is replaced, never written through.
    // False when the executable's path cannot be written in an entry (not UTF-8, or holding a
    // control character) or the file work fails.
    bool write() const;
    // Removes the entry when it is a regular file or a link; anything else of that name stays.
    bool remove() const;

    const Path& entry() const { return entry_; }

  private:
    Path folder_, entry_;
    std::string appId_;
    Path executable_;
};

// The text of the entry, or empty when `executable` cannot be written in one.
std::string autostartEntryText(const Path& executable, const std::string& appId);
// The absolute path of the running program, as the kernel knows it; empty if unknown.
Path runningExecutable();

class Autostart : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // Whether Tornivo starts at login. Set: the entry is written or removed; the value is the
    // one asked for until the work is done, then what the folder holds.
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY enabledChanged)

  public:
    // Looks at the folder at once.
    explicit Autostart(AutostartFolder folder, QObject* parent = nullptr);
    ~Autostart() override;

    static void setInstance(Autostart* autostart);
    static Autostart* create(QQmlEngine*, QJSEngine* engine);

    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    // Looks again (another program may have added or removed the entry).
    Q_INVOKABLE void refresh();

  signals:
    void enabledChanged();
    // The work asked for so far is done and `enabled` says what the folder holds.
    void settled();

  private:
    void queue(bool write, bool on);
    void setShown(bool on);

    SerialExecutor<AutostartFolder> folder_;
    bool enabled_ = false;
    int pending_ = 0;  // requests queued whose answer has not come back
};

}  // namespace tornivo::app
