#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/added_cells.h"
#include "model/button_cells.h"
#include "model/cell_keys.h"
#include "model/dtext_cell.h"
#include "model/face_cell.h"
#include "model/gl_model.h"
#include "model/line_cell.h"
#include "model/subassembly.h"

namespace velnor {

template <typename Cell>
using CellMap = std::map<uint16_t, std::unique_ptr<Cell>>;

// The six selection lists of a page.
enum class SelectionKind { kPoints, kLines, kFaces, kSolids, kButtons, kTexts };

// A rotation axis: a point on it and its unit direction.
struct Axis {
    Float3 point{};
    Float3 direction{};
};

// One page of a document: a fixed table of 200 vertices, five maps of cells keyed by 16-bit ids,
// the selection, the counters that hand out keys, and a few display settings of its own.
class CGpage {
public:
    static constexpr int kMaxVertices = 200;
    static constexpr uint16_t kFirstButtonKey = 3024;
    // Each key places its button 30 pixels lower; past this one a button lies some 2000 pixels
    // down, below any window, so a net refuses fold buttons that would pass it.
    static constexpr uint16_t kLastButtonKey = 3124;

    CGpage() = default;
    CGpage(const CGpage&) = delete;
    CGpage& operator=(const CGpage&) = delete;
    CGpage(CGpage&&) = default;
    CGpage& operator=(CGpage&&) = default;

    // The settings that new vertices, lines and solids take their colour, kind and texture from:
    // the document's, from when the page enters one.
    const CGlModel& Settings() const { return *m_pSettings; }
    void UseSettings(const CGlModel& settings) { m_pSettings = &settings; }

    // Vertices. AddVertex labels and selects the new vertex; beyond the 200th it shows
    // "本页顶点数已达界限,请新建一页", adds nothing and returns false.
    bool AddVertex(float x, float y, float z);
    bool HasRoomFor(int vertices) const { return m_nVertexCount + vertices <= kMaxVertices; }
    void RelabelSelected(const std::string& letter, const std::string& suffix);
    // Sets the colour of every selected vertex from a COLORREF value (red in the low byte).
    void SetSelectedColor(uint32_t colorRef);

    // Cells. Each is stored under its map's next free key (see FreeKey), which is returned. When
    // the map has no free key they show "本页图元数已达界限,请新建一页", store nothing and
    // return 0 (no key of a new cell is ever 0).
    uint16_t AddLine(uint8_t start, uint8_t end, uint8_t kind);
    uint16_t AddLine(uint8_t start, uint8_t end);  // with the current line kind
    uint16_t AddLine(std::unique_ptr<CLineCell> line);
    // A face over 3 to 20 vertices (the low byte of each entry is the index). Returns its key,
    // or nothing when the vertices are not coplanar, there are more than 20 or no key is free.
    std::optional<uint16_t> AddFace(std::span<const int> indices);
    std::optional<uint16_t> AddFaceFromSelection();
    uint16_t AddFace(std::unique_ptr<CFaceCell> face);
    uint16_t AddSolid(std::unique_ptr<CSubassembly> solid);
    // A solid made for the user now: it takes the texture of the settings.
    uint16_t AddNewSolid(std::unique_ptr<CSubassembly> solid);
    uint16_t AddText(std::unique_ptr<CDTextCell> text);
    // Gives the button the next button key and the rectangle of that key.
    uint16_t AddButton(std::unique_ptr<CBtCmd> button);
    // Whether every map has free keys for that many new cells (vertices are not counted).
    bool HasKeysFor(const AddedCells& cells) const;
    // Joins the selected vertices in order (closing the loop from three on), then unselects them;
    // without keys for all those lines it says so and changes nothing.
    void ClosePolygon();
    // Rebuilds every line and face name from the current vertex labels.
    void RefreshNames();

    // Selection.
    std::vector<int>& Selection(SelectionKind kind);
    const std::vector<int>& Selection(SelectionKind kind) const;
    // Every shown vertex or every cell that is not hidden, of that kind.
    void SelectAllOfKind(SelectionKind kind);
    // Everything, hidden or not.
    void SelectEverything();
    void ClearSelection();
    bool HasSelection() const;

    // Deletes every cell and vertex; keeps the id, name, button counter, label suffix and display
    // settings.
    void Clear();

    // Creates the windows of all buttons (shown, unless hidden, when `visible`), or destroys them
    // (the page enters or leaves the document).
    void CreateButtonWindows(bool visible) const;
    void DestroyButtonWindows() const;

    // Transformation definitions taken from the selection: two vertices and no line give the
    // second minus the first; no vertex and one line give the line's end minus its start.
    std::optional<Float3> TranslationFromSelection() const;
    // No vertex, one line and no face: the line's start and unit direction. A line of no length
    // gives nothing.
    std::optional<Axis> AxisFromSelection() const;

    // Names of cells, as the page gives them.
    std::string LineName(uint8_t start, uint8_t end) const;
    std::string FaceName(std::span<const uint8_t> verts, bool creating) const;

    Float3 Position(int vertex) const { return m_pos[vertex]; }
    // The three of these vertices that give their plane: the first three, or, when those lie on
    // one line, the first three in order that do not. Nothing when all lie on one line.
    std::optional<std::array<uint8_t, 3>> PlaneVertices(std::span<const uint8_t> verts) const;

    // Stored fields, in the order documents store them.
    uint16_t m_nId = 0;
    std::string m_strName;
    uint8_t m_nVertexCount = 0;
    uint8_t m_bFillFaces = 0;
    uint32_t m_nScheme = 1;
    uint32_t m_bPerspInThreeView = 1;
    // The vertex table; contiguous so that it can be handed to OpenGL as vertex and colour arrays.
    std::array<Float3, kMaxVertices> m_pos{};
    std::array<Float3, kMaxVertices> m_color{};
    std::array<std::string, kMaxVertices> m_label;
    std::array<uint8_t, kMaxVertices> m_bShown{};
    char m_chNextLabel = 'A';
    char m_chLabelSuffix = 0;
    uint16_t m_nNextLineId = 1;
    uint16_t m_nNextFaceId = 1;
    uint16_t m_nNextSolidId = 1;
    uint16_t m_nNextButtonId = kFirstButtonKey;
    uint16_t m_nNextTextId = 1;
    uint16_t m_nComponentList = 0;
    uint32_t m_bClip = 0;
    Plane m_clipPlane{0.0, 0.0, 1.0, 0.0};
    CellMap<CLineCell> m_lines;
    CellMap<CFaceCell> m_faces;
    CellMap<CSubassembly> m_solids;
    CellMap<CBtCmd> m_buttons;
    CellMap<CDTextCell> m_texts;
    std::vector<int> m_selPoints;
    std::vector<int> m_selLines;
    std::vector<int> m_selFaces;
    std::vector<int> m_selSolids;

    // Not stored.
    std::vector<int> m_selButtons;
    std::vector<int> m_selTexts;
    uint8_t m_bShowDots = 0;
    Float3 m_translation{10.0f, 0.0f, 0.0f};
    Float3 m_axisDir{0.0f, 1.0f, 0.0f};
    Float3 m_axisPoint{0.0f, 0.0f, 0.0f};
    float m_fAngle = 90.0f;
    Float3 m_scaleFactors{0.5f, 0.5f, 0.5f};
    CKeyGrants m_lineGrants;
    CKeyGrants m_faceGrants;
    CKeyGrants m_solidGrants;
    CKeyGrants m_buttonGrants;
    CKeyGrants m_textGrants;

private:
    std::string NextLabel();

    const CGlModel* m_pSettings = &kDefaultSceneSettings;
};

// The rectangle a new button of that key takes: buttons stack 30 pixels apart from the top.
CRect ButtonRectForKey(uint16_t key);

}  // namespace velnor
