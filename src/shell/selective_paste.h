#pragma once

#include <QString>

#include <vector>

class QMimeData;
class QTextEdit;

namespace velnor {

// The ways 选择性粘贴 offers to bring the clipboard in.
enum class PasteChoice {
    kFormattedText,  // into the notes, with its formatting (RTF or HTML)
    kPlainText,      // into the notes, text only
    kPicture,        // into the notes, as a picture
    kFigure,         // into the figure, as Velnor pages and cells
};

// What the clipboard's data allows: the notes choices, or with the 3D view active the figure.
std::vector<PasteChoice> PasteChoices(const QMimeData* data, bool viewActive, bool hasFigureData);

// The choice as the dialog lists it ("带格式文本", ...).
QString PasteChoiceText(PasteChoice choice);

// Inserts the data at the editor's cursor in the chosen form (not kFigure).
void PasteIntoNotes(QTextEdit& edit, const QMimeData& data, PasteChoice choice);

}  // namespace velnor
