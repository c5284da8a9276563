// Feeds arbitrary bytes to the RTF reader, writes what it read as RTF and reads that again: no
// input may crash, hang or leak either side, and what the writer makes must be 7-bit RTF.
#include <QGuiApplication>
#include <QTextDocument>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Documents need a QGuiApplication for their fonts; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static const auto app = std::make_unique<QGuiApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QTextDocument document;
    velnor::ReadRtf({reinterpret_cast<const char*>(data), size}, document);
    const std::string rtf = velnor::WriteRtf(document);
    if (!rtf.starts_with("{\\rtf1") || !std::all_of(rtf.begin(), rtf.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x80;
        })) {
        std::abort();
    }
    QTextDocument again;
    velnor::ReadRtf(rtf, again);
    return 0;
}
