#pragma once

class QWidget;

namespace nominator {

// The window's size, place and maximized state, kept in the tool's data folder beside the
// browser profile, so that the window opens as the user last left it.

// Before the window is first shown: gives it the kept geometry, when a sound record puts it on
// one of the screens. Otherwise it keeps its design size and the window system places it.
void RestoreKeptGeometry(QWidget& window);
// As the window really closes: replaces the record whole, or leaves it as it was when it cannot
// be written; a geometry that cannot be kept is only lost.
void KeepGeometry(const QWidget& window);

}  // namespace nominator
