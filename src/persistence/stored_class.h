#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velnor {

// The classes whose objects a document or clipboard archive holds, by the names written there.
enum class StoredClass : uint8_t {
    kPage,
    kLine,
    kFace3,
    kFace4,
    kFacen,
    kSubassembly,
    kBitText,
    kBitRtfText,
    kDText,
    kBtnShow,
    kBtnTranslate,
    kBtnRotatef,
    kBtnSerues,
    kBtnSerues2,
};

inline constexpr int kStoredClassCount = 14;

std::string_view StoredClassName(StoredClass storedClass);

// The class stored under that name, if the name is one of ours.
std::optional<StoredClass> StoredClassNamed(std::string_view name);

}  // namespace velnor
