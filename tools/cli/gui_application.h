#pragma once

#include <QGuiApplication>

#include <memory>

namespace vantiq {

// Drawing needs a GUI application; the drawing commands make one only for
// themselves, on the offscreen platform unless the caller chose another.
// Returns the new application, or null when one already runs.
std::unique_ptr<QGuiApplication> EnsureGuiApplication();

}  // namespace vantiq
