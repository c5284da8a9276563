#pragma once

#include <string_view>

namespace velnor {

// A file of resources/web as the build embedded it (lesson.html, lesson_viewer.js, ...); empty
// for a name it does not hold.
std::string_view WebLessonFile(std::string_view name);

}  // namespace velnor
