#include "persistence/stored_class.h"

#include <array>

namespace velnor {

namespace {

constexpr std::array<std::string_view, kStoredClassCount> kNames{
    "CGpage",       "CLineCell",  "CFace3",        "CFace4",      "CFacen",
    "CSubassembly", "CBitText",   "CBitRtfText",   "CDTextCell",  "CBtnShow",
    "CBtnTranslate", "CBtnRotatef", "CBtnSerues", "CBtnSerues2",
};

}  // namespace

std::string_view StoredClassName(StoredClass storedClass) {
    return kNames[static_cast<size_t>(storedClass)];
}

std::optional<StoredClass> StoredClassNamed(std::string_view name) {
    for (size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name) {
            return static_cast<StoredClass>(i);
        }
    }
    return std::nullopt;
}

}  // namespace velnor
