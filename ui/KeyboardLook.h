#pragma once
// The program's ordinary push buttons under the keyboard: a focused button
// (or check box) shows the same dashed frame as a focused picture area, and Return or
// Enter click it as Space does (outside dialogs Qt's buttons take Space
// only). Buttons that handle Return themselves (auto-default) are left to it.
class QApplication;

namespace tavrio {

void installKeyboardLook(QApplication& app);

} // namespace tavrio
