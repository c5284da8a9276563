# Writes OUTPUT, a C++ source that holds each of FILES (paths separated by "|") as a raw string under its name,
# for WebLessonFile (web_lesson_files.h).
string(REPLACE "|" ";" files "${FILES}")
set(entries "")
foreach(file IN LISTS files)
    get_filename_component(name ${file} NAME)
    file(READ ${file} content)
    string(FIND "${content}" ")velnorweb\"" clash)
    if(NOT clash EQUAL -1)
        message(FATAL_ERROR "${file} holds the raw string's end mark")
    endif()
    string(APPEND entries "        {\"${name}\", R\"velnorweb(${content})velnorweb\"},\n")
endforeach()
file(WRITE ${OUTPUT}.new "#include \"output/web_lesson_files.h\"

#include <map>

namespace velnor {

std::string_view WebLessonFile(std::string_view name) {
    static const std::map<std::string_view, std::string_view> files = {
${entries}    };
    const auto found = files.find(name);
    return found == files.end() ? std::string_view() : found->second;
}

}  // namespace velnor
")
# Only a changed source is rebuilt.
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
