#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

#include "output/page_model.h"

class QMenu;
class QWidget;

namespace velnor {

class CPlomDoc;
class NotesPane;

// The file commands of the document: new, open, save, save as, the four most recent files, the
// example files and the notes as RTF files. A file that cannot be read leaves the open document
// as it was; every failure is told to the user with its reason.
class DocumentFiles : public QObject {
    Q_OBJECT

public:
    // Saves a picture of the whole view to a .bmp, .jpg, .gif or .png path.
    using ViewSaver = std::function<bool(const QString& path)>;
    // Writes the figure to an .svg or .pdf path: an empty string, or why it failed.
    using FigureExport = std::function<QString(const QString& path)>;

    DocumentFiles(CPlomDoc& doc, NotesPane& notes, QWidget& window, ViewSaver saveView,
                  FigureExport exportFigure);

    // Each asks to save a modified document first where it would replace it. The commands that
    // take a `file` ask for it with a file dialog when it is empty; each returns whether it did
    // its work (false also when the user cancelled).
    bool New();
    bool Open(const QString& file);
    // A relative `file` names one of the example files.
    bool OpenExample(const QString& file);
    bool OpenPath(const QString& path);
    bool Save();
    // Offers the document file, pictures of the whole view (BMP, JPEG, GIF, PNG), the figure
    // as an SVG, PDF or TikZ drawing and the page as an STL, OBJ or glTF model; the chosen type
    // decides, or the extension of a given `file`. A picture, a drawing or a model leaves the
    // document's own file and modified state as they are.
    bool SaveAs(const QString& file);
    bool SavePath(const QString& path);
    // Asks whether to save a modified document; false when the user cancels (or saving failed).
    bool SaveModified();
    // Loads an autosaved recovery file as the document of its original file (none for a document
    // that had none), still modified, so that saving writes the original file.
    bool OpenRecovered(const QString& recoveryFile, const QString& originalPath);
    // The document with the notes as they are in the pane, as a document file holds it.
    std::vector<uint8_t> Snapshot();

    bool ImportNotes(const QString& file);
    bool ExportNotes(const QString& file);

    // The file of the document, empty while it has none.
    const QString& Path() const { return m_strPath; }
    // "未命名" or the file name.
    QString Title() const;

    QMenu& RecentMenu() { return *m_recentMenu; }
    QStringList RecentFiles() const;

signals:
    // The document was replaced (new or opened) or got another file name.
    void DocumentReplaced();
    void PathChanged();
    // The document was written to its file.
    void Saved();

private:
    // Replaces the document with a file's content, as the document of documentPath.
    bool Load(const QString& file, const QString& documentPath, bool modified);
    void SetPath(const QString& path);
    void RememberRecent(const QString& path);
    void FillRecentMenu();
    void StoreNotes();
    bool ExportModel(const QString& path);
    bool ExportLesson(const QString& path);

    CPlomDoc& m_doc;
    NotesPane& m_notes;
    QWidget& m_window;
    QMenu* m_recentMenu;
    QString m_strPath;
    ViewSaver m_saveView;
    FigureExport m_exportFigure;
    // The last options chosen for a model; the next export starts from them.
    ModelOptions m_modelOptions;
};

// The folder with the example documents: share/velnor/examples of an installed program, else
// "examples" beside the program or in a folder above it (a build), else the program's own folder.
QString ExamplesFolder();

}  // namespace velnor
