#include "model/gl_model.h"

namespace velnor {

CGlModel::CGlModel() { m_titleFont.lfFaceName = kDefaultTitleFace; }

const CGlModel kDefaultSceneSettings;

}  // namespace velnor
