#pragma once

namespace vantiq {

// Makes sure a Qt GUI application object exists, as fonts, image decoders and
// drawing need one: creates one on the offscreen platform (unless
// QT_QPA_PLATFORM names another) when there is none. It lives until the
// process ends.
void EnsureGuiApplication();

}  // namespace vantiq
