#include "PrivateBus.h"

#include <QStandardPaths>

namespace tornivo::test {

PrivateBus::PrivateBus() {
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) return;
    installed_ = true;
    const Path config = writeText(
        dir_ / "bus.conf",
        "<busconfig><type>session</type><listen>unix:tmpdir=" + dir_.path().native() +
            "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow "
            "send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/><allow "
            "own=\"*\"/></policy></busconfig>\n");
    daemon_.start(daemon, {"--config-file=" + QString::fromStdString(config.native()), "--nofork",
                           "--print-address=1"});
    if (daemon_.waitForReadyRead(10000)) address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
}

PrivateBus::~PrivateBus() {
    daemon_.kill();
    daemon_.waitForFinished();
}

}  // namespace tornivo::test
