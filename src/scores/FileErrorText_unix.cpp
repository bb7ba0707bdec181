#include "scores/FileErrorText.h"

#include <cerrno>

namespace lumora {

std::span<const KnownFileError> knownFileErrors()
{
    using enum FileErrorCause;
    static constexpr KnownFileError kErrors[] = {
        {ENOENT, MissingFolder}, {EACCES, NoPermission}, {EPERM, NoPermission},
        {ENOSPC, DiskFull},      {EDQUOT, DiskFull},     {EROFS, ReadOnlyFileSystem},
    };
    return kErrors;
}

} // namespace lumora
