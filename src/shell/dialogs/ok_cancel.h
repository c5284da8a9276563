#pragma once

class QBoxLayout;
class QDialog;

namespace velnor {

// Puts 确定 and 取消 at the foot of the dialog's layout and shows it; true when the teacher
// confirms.
bool ExecWithOkCancel(QDialog& dialog, QBoxLayout* layout);

}  // namespace velnor
