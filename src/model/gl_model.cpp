#include "model/gl_model.h"

namespace velnor {

CGlModel::CGlModel() { m_titleFont.lfFaceName = kDefaultTitleFace; }

CGlModel& SceneSettings() {
    static CGlModel settings;
    return settings;
}

}  // namespace velnor
