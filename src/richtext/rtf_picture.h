#pragma once

#include <QByteArray>

#include <string_view>

class QTextCursor;

namespace velnor {

// A picture of an RTF \pict group as it is read: its kind, sizes and data.
class RtfPicture {
public:
    // \pngblip, \jpegblip, \picw, \picwgoal, \picscalex and the like; other words are ignored.
    void ApplyWord(std::string_view word, long long number);
    // A digit 0..15 of the hexadecimal data.
    void AddHexDigit(int digit);
    // Raw data after \binN.
    void AddBytes(const char* bytes, size_t length);

    // Inserts a PNG or JPEG picture at the cursor, at its goal size, with the image kept by the
    // cursor's document. False (and nothing inserted) for data Qt cannot show.
    bool InsertAt(QTextCursor& cursor) const;

private:
    const char* m_format = nullptr;  // nullptr: a kind Qt cannot show
    QByteArray m_data;
    int m_nNibble = -1;
    int m_nGoalWidth = 0;  // twips
    int m_nGoalHeight = 0;
    int m_nScaleX = 100;  // percent
    int m_nScaleY = 100;
};

}  // namespace velnor
