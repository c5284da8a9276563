#include "figure_checks.h"

#include "editing/cmd_compound.h"

namespace velnor::test {

std::vector<std::string> RecordNames(const CCmd& cmd) {
    std::vector<std::string> names{cmd.GetName()};
    if (const auto* compound = dynamic_cast<const CCmdCompound*>(&cmd)) {
        for (const auto& sub : compound->Commands()) {
            names.push_back(sub->GetName());
        }
    }
    return names;
}

}  // namespace velnor::test
