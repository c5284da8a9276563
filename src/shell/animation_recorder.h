#pragma once

namespace velnor {

class CMainFrame;

// 录制动画: asks what to record and records a copy of the current page as the view shows it
// (camera, projection, speed), so the document and the window stay as they were.
void RecordViewAnimation(CMainFrame& frame);

}  // namespace velnor
