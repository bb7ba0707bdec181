#pragma once

#include <QString>

// Where this platform keeps the high-score file: the file a load reads and the one a save writes,
// which differ only on Windows.
namespace lumora {

QString platformLoadFile();
QString platformSaveFile();

// The old game was a 32-bit program without a manifest. Windows redirected its writes to the fixed
// place, which a standard user cannot write, into the player's VirtualStore, and from then on read
// and wrote the copy there. Choosing the same way carries records over in both directions.
struct WindowsPlaces
{
    QString fixed;       // C:\Windows\System\LumoraHigh.Dll
    QString virtualCopy; // %LOCALAPPDATA%\VirtualStore\Windows\System\LumoraHigh.Dll
    bool virtualCopyExists = false;
    bool fixedWritable = false; // a file can be made in the fixed place's folder
};

// The virtual copy once it exists, else the fixed file.
QString loadPlace(const WindowsPlaces &places);
// The virtual copy once it exists, else the fixed file where it can be written, else the copy.
QString savePlace(const WindowsPlaces &places);

} // namespace lumora
