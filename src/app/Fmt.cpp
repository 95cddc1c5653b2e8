#include "Fmt.h"

#include "platform/ByteFormatter.h"

namespace tornivo::app {

QString Fmt::bytes(qint64 count) {
    return QString::fromStdString(formatBytes(count));
}

}  // namespace tornivo::app
