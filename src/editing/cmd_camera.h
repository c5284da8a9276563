#pragma once

#include "model/cmd.h"
#include "model/view_camera.h"

namespace velnor {

class CPlomDoc;

// A move of the document's camera that an edit made to show its result: undone with the edit,
// so the view looks as it did before.
class CCmdCamera final : public CCmd {
public:
    CCmdCamera(CPlomDoc& doc, const ViewCamera& before, const ViewCamera& after);

    bool Undo() override;
    bool Redo() override;

private:
    void Show(const ViewCamera& camera);

    CPlomDoc* m_pDoc;
    ViewCamera m_before;
    ViewCamera m_after;
};

}  // namespace velnor
