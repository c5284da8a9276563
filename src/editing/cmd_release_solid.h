#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/cmd.h"
#include "model/subassembly.h"

namespace velnor {

class CPlomDoc;

// Takes a solid out of the target lists of the current page's buttons, with what a translate or
// rotate button saved for it, so that no button is left acting on a solid that is gone. Undo puts
// every entry back where it was.
class CCmdReleaseSolid final : public CCmd {
public:
    CCmdReleaseSolid(CPlomDoc& doc, int solidKey);

    bool Undo() override;
    bool Redo() override;

private:
    // One entry taken out of a button's target solids, and the values saved beside it.
    struct Released {
        uint16_t button = 0;
        size_t position = 0;
        std::optional<Float3> savedPos;   // translate and rotate buttons
        std::optional<Float3> savedAxis;  // rotate buttons
        std::optional<float> savedAngle;  // rotate buttons
    };

    CPlomDoc* m_pDoc;
    int m_nSolidKey;
    std::vector<Released> m_released;  // in the order taken out
};

}  // namespace velnor
