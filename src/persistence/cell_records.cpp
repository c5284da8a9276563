#include "persistence/cell_records.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>

#include "persistence/archive_error.h"

namespace velnor {

namespace {

void WriteCommon(ArchiveWriter& out, const CGcell& cell) {
    out.String(cell.m_strName);
    out.Bool(cell.m_bHidden);
}

void ReadCommon(ArchiveReader& in, CGcell& cell) {
    in.StringInto(cell.m_strName);
    cell.m_bHidden = in.Bool();
}

// The shininess, then ambient, diffuse and specular interleaved component by component.
using MaterialFloats = std::array<float, 13>;

void WriteMaterial(ArchiveWriter& out, uint8_t ownMaterial, const Material& material) {
    out.Byte(ownMaterial);
    MaterialFloats values;
    values[0] = material.shininess;
    for (int i = 0; i < 4; ++i) {
        values[1 + 3 * i] = material.ambient[i];
        values[2 + 3 * i] = material.diffuse[i];
        values[3 + 3 * i] = material.specular[i];
    }
    out.Floats(values);
}

void ReadMaterial(ArchiveReader& in, uint8_t& ownMaterial, Material& material) {
    ownMaterial = in.Byte();
    MaterialFloats values;
    in.Floats(values);
    material.shininess = values[0];
    for (int i = 0; i < 4; ++i) {
        material.ambient[i] = values[1 + 3 * i];
        material.diffuse[i] = values[2 + 3 * i];
        material.specular[i] = values[3 + 3 * i];
    }
}

void WritePlane(ArchiveWriter& out, const Plane& plane) {
    for (double value : plane) {
        out.Double(value);
    }
}

void ReadPlane(ArchiveReader& in, Plane& plane) {
    for (double& value : plane) {
        value = in.Double();
    }
}

int64_t BitmapBytes(int64_t width, int64_t height) { return (width + 31) / 32 * 4 * height; }

void WriteRichText(ArchiveWriter& out, const CBitRtfText& text) {
    WriteBitTextRecord(out, text);
    out.RawString(text.m_strRtf);
    out.Long(text.m_nExtra1);
    out.Long(text.m_nExtra2);
}

void ReadBitTextInto(ArchiveReader& in, CBitText& text) {
    in.Floats(text.m_position);
    text.m_strName = in.String();
    text.m_nKind = in.Byte();
    text.m_bHidden = in.Bool();
    const int32_t width = in.Long();
    const int32_t height = in.Long();
    text.m_color.r = in.Byte();
    text.m_color.g = in.Byte();
    text.m_color.b = in.Byte();
    ReadMaterial(in, text.m_bOwnMaterial, text.m_material);
    if (width < 0 || height < 0 || width > std::numeric_limits<int32_t>::max() - 31) {
        in.Fail("位图文本的大小不正确：" + std::to_string(width) + " x " + std::to_string(height));
    }
    const int64_t bytes = BitmapBytes(width, height);
    if (bytes > static_cast<int64_t>(in.Remaining())) {
        in.Fail("位图文本的点阵（" + std::to_string(bytes) + " 字节）超出了剩余的数据");
    }
    const auto bits = in.Bytes(static_cast<size_t>(bytes));
    text.m_nWidth = width;
    text.m_nHeight = height;
    text.m_bits.assign(bits.begin(), bits.end());
}

}  // namespace

StoredClass StoredClassOf(const char* className) {
    const auto storedClass = StoredClassNamed(className);
    if (!storedClass) {
        throw ArchiveError(std::string("cannot store an object of class ") + className);
    }
    return *storedClass;
}

StoredClass StoredClassCache::Of(const char* className) {
    for (size_t i = 0; i < m_names.size(); ++i) {
        if (m_names[i] == className) {
            return static_cast<StoredClass>(i);
        }
    }
    const StoredClass storedClass = StoredClassOf(className);
    m_names[static_cast<size_t>(storedClass)] = className;
    return storedClass;
}

void WriteLineRecord(ArchiveWriter& out, const CLineCell& line) {
    WriteCommon(out, line);
    out.Byte(line.m_nStart);
    out.Byte(line.m_nEnd);
    out.Byte(line.m_nKind);
}

std::unique_ptr<CLineCell> ReadLineRecord(ArchiveReader& in) {
    auto line = std::make_unique<CLineCell>(0, 0, kSegment);
    ReadCommon(in, *line);
    line->m_nStart = in.Byte();
    line->m_nEnd = in.Byte();
    line->m_nKind = in.Byte();
    return line;
}

void WriteFaceRecord(ArchiveWriter& out, const CFaceCell& face, StoredClass storedClass) {
    WriteCommon(out, face);
    if (storedClass == StoredClass::kFacen) {
        out.Byte(face.m_nVerts);
    }
    out.Bytes(face.Verts());
}

std::unique_ptr<CFaceCell> ReadFaceRecord(ArchiveReader& in, StoredClass storedClass) {
    std::unique_ptr<CFaceCell> face;
    switch (storedClass) {
        case StoredClass::kFace3: face = std::make_unique<CFace3>(); break;
        case StoredClass::kFace4: face = std::make_unique<CFace4>(); break;
        default: face = std::make_unique<CFacen>(); break;
    }
    ReadCommon(in, *face);
    if (storedClass == StoredClass::kFacen) {
        const uint8_t count = in.Byte();
        if (count < 3 || count > CFaceCell::kMaxVerts) {
            in.Fail("多边形面有 " + std::to_string(count) + " 个顶点，只能有 3 到 20 个");
        }
        face->m_nVerts = count;
    }
    const auto verts = in.Bytes(face->m_nVerts);
    std::copy(verts.begin(), verts.end(), face->m_pVerts.begin());
    return face;
}

void WriteTextRecord(ArchiveWriter& out, const CDTextCell& text) {
    WriteCommon(out, text);
    out.Byte(text.m_nType);
    out.Dword(text.m_nVertCount);
    out.String(text.m_strText);
    out.Long(text.m_nPlaceX);
    out.Long(text.m_nPlaceY);
    out.Float(text.m_fValue);
    out.Bytes(text.Verts());
}

std::unique_ptr<CDTextCell> ReadTextRecord(ArchiveReader& in) {
    auto text = std::make_unique<CDTextCell>();
    ReadCommon(in, *text);
    text->m_nType = in.Byte();
    const uint32_t count = in.Dword();
    if (count > CDTextCell::kMaxVerts) {
        in.Fail("度量文本有 " + std::to_string(count) + " 个顶点序号，最多只能有 6 个");
    }
    text->m_nVertCount = count;
    text->m_strText = in.String();
    text->m_nPlaceX = in.Long();
    text->m_nPlaceY = in.Long();
    text->m_fValue = in.Float();
    const auto verts = in.Bytes(count);
    std::copy(verts.begin(), verts.end(), text->m_verts.begin());
    return text;
}

void WriteBitTextRecord(ArchiveWriter& out, const CBitText& text) {
    out.Floats(text.m_position);
    out.String(text.m_strName);
    out.Byte(text.m_nKind);
    out.Bool(text.m_bHidden);
    out.Long(text.m_nWidth);
    out.Long(text.m_nHeight);
    out.Byte(text.m_color.r);
    out.Byte(text.m_color.g);
    out.Byte(text.m_color.b);
    WriteMaterial(out, text.m_bOwnMaterial, text.m_material);
    // The record's size follows from width and height; write exactly that many bytes.
    const auto expected = static_cast<size_t>(BitmapBytes(text.m_nWidth, text.m_nHeight));
    const size_t present = std::min(expected, text.m_bits.size());
    out.Bytes(std::span(text.m_bits).first(present));
    for (size_t i = present; i < expected; ++i) {
        out.Byte(0);
    }
}

std::unique_ptr<CBitText> ReadBitTextRecord(ArchiveReader& in) {
    auto text = std::make_unique<CBitText>();
    ReadBitTextInto(in, *text);
    return text;
}

std::unique_ptr<CSubassembly> ReadSubassemblyRecord(ArchiveReader& in) {
    auto solid = std::make_unique<CSubassembly>();
    ReadCommon(in, *solid);
    solid->m_nKind = in.Byte();
    if (solid->m_nKind == kSolidBitmapText) {
        in.Fail("组件的类型 30 只用于位图文本");
    }
    solid->m_nComponent = in.Byte();
    in.Floats(solid->m_position);
    solid->m_fSpin = in.Float();
    in.Floats(solid->m_direction);
    in.Floats(solid->m_scale);
    ReadMaterial(in, solid->m_bOwnMaterial, solid->m_material);
    solid->m_dShape = in.Double();
    solid->m_nClipMode = in.Dword();
    solid->m_nTexture = in.Dword();
    ReadPlane(in, solid->m_clipPlane1);
    ReadPlane(in, solid->m_clipPlane2);
    return solid;
}

void WriteSolidRecord(ArchiveWriter& out, const CSubassembly& solid, StoredClass storedClass) {
    switch (storedClass) {
        case StoredClass::kBitText:
            WriteBitTextRecord(out, static_cast<const CBitText&>(solid));
            return;
        case StoredClass::kBitRtfText:
            WriteRichText(out, static_cast<const CBitRtfText&>(solid));
            return;
        default: break;
    }
    WriteCommon(out, solid);
    out.Byte(solid.m_nKind);
    out.Byte(solid.m_nComponent);
    out.Floats(solid.m_position);
    out.Float(solid.m_fSpin);
    out.Floats(solid.m_direction);
    out.Floats(solid.m_scale);
    WriteMaterial(out, solid.m_bOwnMaterial, solid.m_material);
    out.Double(solid.m_dShape);
    out.Dword(solid.m_nClipMode);
    out.Dword(solid.m_nTexture);
    WritePlane(out, solid.m_clipPlane1);
    WritePlane(out, solid.m_clipPlane2);
}

std::unique_ptr<CSubassembly> ReadSolidRecord(ArchiveReader& in, StoredClass storedClass) {
    if (storedClass == StoredClass::kBitText) {
        return ReadBitTextRecord(in);
    }
    if (storedClass == StoredClass::kBitRtfText) {
        auto text = std::make_unique<CBitRtfText>();
        ReadBitTextInto(in, *text);
        text->m_strRtf = in.RawString();
        text->m_nExtra1 = in.Long();
        text->m_nExtra2 = in.Long();
        return text;
    }
    return ReadSubassemblyRecord(in);
}

}  // namespace velnor
