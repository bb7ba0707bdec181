#include "scores/FileErrorText.h"

#include <windows.h>

namespace lumora {

std::span<const KnownFileError> knownFileErrors()
{
    using enum FileErrorCause;
    // A file another program holds open (a scanner, a backup) is told as such, not as a denied one.
    static constexpr KnownFileError kErrors[] = {
        {ERROR_FILE_NOT_FOUND, MissingFolder}, {ERROR_PATH_NOT_FOUND, MissingFolder},
        {ERROR_ACCESS_DENIED, NoPermission},   {ERROR_SHARING_VIOLATION, InUse},
        {ERROR_LOCK_VIOLATION, InUse},         {ERROR_DISK_FULL, DiskFull},
        {ERROR_HANDLE_DISK_FULL, DiskFull},    {ERROR_WRITE_PROTECT, ReadOnlyFileSystem},
    };
    return kErrors;
}

} // namespace lumora
