#pragma once

namespace vte {

// Makes every choice box that cannot be typed into say to assistive tools the
// name set on it, on every platform. Safe to call more than once.
void installComboBoxAccessible();

} // namespace vte
