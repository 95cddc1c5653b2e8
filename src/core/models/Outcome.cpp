#include "models/Outcome.h"

#include <cerrno>

namespace tornivo {

LeftReason leftReasonOf(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
        case EROFS:
            return LeftReason::permissionDenied;
        case EBUSY:
        case ETXTBSY:
            return LeftReason::busy;
        case EXDEV:
            return LeftReason::otherFileSystem;
        case ENOENT:
        case ESTALE:
        case ENOTDIR:
        case ELOOP:
            return LeftReason::changed;
        default:
            return LeftReason::failed;
    }
}

}  // namespace tornivo
