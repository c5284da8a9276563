#pragma once

#include <string>
#include <vector>

#include "model/cmd.h"
#include "model/subassembly.h"

namespace velnor {

class CPlomDoc;

enum TransformKind : int { kTransformTranslate = 1, kTransformRotate = 2, kTransformScale = 3 };

// Records a transformation of vertices and solids of the current page by keeping the values that
// are not current: the values before it once applied and after each Redo, the transformed values
// after an Undo. Undo and Redo are the same exchange.
class CCmdTransform final : public CCmd {
public:
    CCmdTransform(int kind, CPlomDoc& doc, std::string name);

    // Saves the current values of the listed vertices and solids: positions, and the directions
    // and spins of solids for a rotation, their scale factors for a scaling.
    void Snapshot();

    bool Undo() override { return Swap(); }
    bool Redo() override { return Swap(); }

    CPlomDoc* m_pDoc;
    int m_nKind;
    std::vector<Float3> m_pPointXYZ;
    std::vector<Float3> m_pTiPos;
    std::vector<Float3> m_pTiAxis;
    std::vector<Float3> m_pTiSize;
    std::vector<float> m_pTiAngle;
    std::vector<int> m_pointIds;
    std::vector<int> m_tiIds;

private:
    bool Swap();
};

}  // namespace velnor
