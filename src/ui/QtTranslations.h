#pragma once

namespace lumora::ui {

// Puts Qt's own texts (the standard buttons of message boxes and the name prompt) in Japanese,
// whatever the system's locale: the game speaks only Japanese. Call once the application exists,
// before the first dialog; later calls do nothing. False when Qt's Japanese catalogue is not
// installed: Qt's English texts stay.
bool installQtTranslations();

} // namespace lumora::ui
