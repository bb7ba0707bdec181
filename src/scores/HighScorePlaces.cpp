#include "scores/HighScorePlaces.h"

namespace lumora {

QString loadPlace(const WindowsPlaces &places)
{
    return places.virtualCopyExists ? places.virtualCopy : places.fixed;
}

QString savePlace(const WindowsPlaces &places)
{
    return places.virtualCopyExists || !places.fixedWritable ? places.virtualCopy : places.fixed;
}

} // namespace lumora
