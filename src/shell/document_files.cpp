#include "shell/document_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTextDocument>

#include <exception>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "model/document.h"
#include "model/gl_model.h"
#include "model/message_seam.h"
#include "output/figure_files.h"
#include "output/model_files.h"
#include "output/page_model.h"
#include "output/web_lesson.h"
#include "persistence/document_file.h"
#include "persistence/document_io.h"
#include "richtext/rtf_writer.h"
#include "shell/chinese_file_dialog.h"
#include "shell/dialogs/model_options_dialog.h"
#include "shell/example_file_dialog.h"
#include "shell/notes_pane.h"
#include "shell/program_profile.h"
#include "shell/save_file_dialog.h"

namespace velnor {

namespace {

constexpr int kRecentCount = 4;
const QString kDocumentFilter = QStringLiteral("Velnor文件(*.plm)");
const QString kSvgFilter = QStringLiteral("SVG图形(*.svg)");
const QString kPdfFilter = QStringLiteral("PDF文件(*.pdf)");
const QString kTikzFilter = QStringLiteral("TikZ图形 (*.tex)");
const QString kRtfFilter = QStringLiteral("RTF文档文件(*.rtf)");
const QString kRecentKey = QStringLiteral("Recent File List");

std::filesystem::path ToPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

// A file a script names: its extension picks the type; without one of the types it is a document.
SaveChoice ChoiceForFile(const QList<SaveFileType>& types, const QString& file) {
    const QString extension = QFileInfo(file).suffix().toLower();
    for (qsizetype type = 1; type < types.size(); ++type) {
        if (types[type].extension == extension) {
            return {file, static_cast<int>(type)};
        }
    }
    return {WithExtension(file, QStringLiteral("plm")), 0};
}

// Which file and why first, in plain words; the reader's own detail after.
void WarnCannotOpen(const QString& path, const QString& why, const char* detail) {
    const QString name = QFileInfo(path).fileName();
    const QString headline = why.isEmpty()
                                 ? QStringLiteral("不能打开文件“%1”。").arg(name)
                                 : QStringLiteral("不能打开文件“%1”：%2。").arg(name, why);
    ShowWarning((headline + QStringLiteral("\n\n") + QString::fromUtf8(detail)).toStdString());
}

}  // namespace

QString ExamplesFolder() {
    QDir dir(QCoreApplication::applicationDirPath());
    if (const QString installed = dir.filePath(QStringLiteral("../share/velnor/examples"));
        QFileInfo(installed).isDir()) {
        return QDir::cleanPath(installed);
    }
    for (int up = 0; up < 4; ++up) {
        if (dir.exists(QStringLiteral("examples"))) {
            return dir.filePath(QStringLiteral("examples"));
        }
        if (!dir.cdUp()) {
            break;
        }
    }
    return QCoreApplication::applicationDirPath();
}

DocumentFiles::DocumentFiles(CPlomDoc& doc, NotesPane& notes, QWidget& window, ViewSaver saveView,
                             FigureExport exportFigure)
    : QObject(&window),
      m_doc(doc),
      m_notes(notes),
      m_window(window),
      m_recentMenu(new QMenu(QStringLiteral("最近的文件"), &window)),
      m_saveView(std::move(saveView)),
      m_exportFigure(std::move(exportFigure)) {
    FillRecentMenu();
}

QString DocumentFiles::Title() const {
    return m_strPath.isEmpty() ? QStringLiteral("未命名") : QFileInfo(m_strPath).fileName();
}

bool DocumentFiles::New() {
    if (!SaveModified()) {
        return false;
    }
    m_doc.DeleteContents();
    m_doc.OnNewDocument();
    m_notes.ShowRtf({});
    SetPath({});
    m_doc.SetModifiedFlag(false);
    emit DocumentReplaced();
    return true;
}

bool DocumentFiles::Open(const QString& file) {
    if (!SaveModified()) {
        return false;
    }
    const QString path = file.isEmpty()
                             ? AskOpenFileName(&m_window, QStringLiteral("打开"),
                                               kDocumentFilter + QStringLiteral(";;所有文件(*)"))
                             : file;
    return !path.isEmpty() && OpenPath(path);
}

bool DocumentFiles::OpenExample(const QString& file) {
    if (!SaveModified()) {
        return false;
    }
    const QString path = file.isEmpty() ? ExampleFileDialog(ExamplesFolder(), &m_window).Choose()
                                        : QDir(ExamplesFolder()).filePath(file);
    return !path.isEmpty() && OpenPath(path);
}

bool DocumentFiles::OpenPath(const QString& path) {
    if (!Load(path, QFileInfo(path).absoluteFilePath(), false)) {
        return false;
    }
    RememberRecent(m_strPath);
    return true;
}

bool DocumentFiles::Load(const QString& file, const QString& documentPath, bool modified) {
    std::vector<uint8_t> bytes;
    try {
        bytes = ReadWholeFile(ToPath(file));
    } catch (const std::exception& error) {
        WarnCannotOpen(file, {}, error.what());
        return false;
    }
    try {
        LoadDocument(m_doc, bytes);
    } catch (const std::exception& error) {
        WarnCannotOpen(file,
                       BeginsLikeDocumentFile(bytes) ? QStringLiteral("文件已损坏")
                                                     : QStringLiteral("不是 Velnor 文件"),
                       error.what());
        return false;
    }
    m_notes.ShowRtf(m_doc.NotesRtf());
    SetPath(documentPath);
    // A document the reader had to mend stays modified.
    m_doc.SetModifiedFlag(modified || m_doc.IsModified());
    emit DocumentReplaced();
    return true;
}

bool DocumentFiles::Save() {
    return m_strPath.isEmpty() ? SaveAs({}) : SavePath(m_strPath);
}

bool DocumentFiles::SaveAs(const QString& file) {
    static const QList<SaveFileType> types{
        {kDocumentFilter, QStringLiteral("plm")},
        {QStringLiteral("BMP图像(*.bmp)"), QStringLiteral("bmp")},
        {QStringLiteral("JPEG图像(*.jpg)"), QStringLiteral("jpg")},
        {QStringLiteral("GIF图像(*.gif)"), QStringLiteral("gif")},
        {QStringLiteral("PNG图像(*.png)"), QStringLiteral("png")},
        {kSvgFilter, QStringLiteral("svg")},
        {kPdfFilter, QStringLiteral("pdf")},
        {kTikzFilter, QStringLiteral("tex")},
        {QStringLiteral("STL模型(*.stl)"), QStringLiteral("stl")},
        {QStringLiteral("OBJ模型(*.obj)"), QStringLiteral("obj")},
        {QStringLiteral("glTF模型(*.glb)"), QStringLiteral("glb")},
        {QStringLiteral("网页 (*.html)"), QStringLiteral("html")}};
    const SaveChoice choice =
        file.isEmpty() ? AskSaveFile(&m_window, QStringLiteral("另存为"), types,
                                     m_strPath.isEmpty() ? QStringLiteral("Pldoc") : m_strPath)
                       : ChoiceForFile(types, file);
    if (choice.path.isEmpty()) {
        return false;
    }
    // The first type saves the document whatever the name ends with.
    if (choice.type == 0) {
        return SavePath(choice.path);
    }
    if (IsVectorFigurePath(choice.path)) {
        const QString error = m_exportFigure(choice.path);
        if (!error.isEmpty()) {
            ShowMessage(error.toStdString());
        }
        return error.isEmpty();
    }
    if (IsModelPath(choice.path)) {
        // The teacher chooses the options; a script's file takes them as they stand.
        if (file.isEmpty()) {
            const std::optional<ModelOptions> options = AskModelOptions(m_modelOptions, &m_window);
            if (!options) {
                return false;
            }
            m_modelOptions = *options;
        }
        return ExportModel(choice.path);
    }
    if (IsWebLessonPath(choice.path)) {
        return ExportLesson(choice.path);
    }
    return m_saveView(choice.path);
}

// Every page as one web lesson, titled as the window is.
bool DocumentFiles::ExportLesson(const QString& path) {
    std::vector<const CGpage*> pages;
    for (const auto& page : m_doc.m_pages) {
        pages.push_back(page.get());
    }
    const QString error = WriteWebLesson(path, {m_doc.Settings(), pages, Title()});
    if (!error.isEmpty()) {
        ShowMessage(error.toStdString());
    }
    return error.isEmpty();
}

// The current page as a model with the options chosen last: at first faces and solids only, in
// millimetres.
bool DocumentFiles::ExportModel(const QString& path) {
    const ModelExport result =
        WriteModelFile(path, m_doc.CurrentPage(), m_doc.Settings(), m_modelOptions);
    if (!result.error.isEmpty()) {
        ShowMessage(result.error.toStdString());
    } else if (!result.note.isEmpty()) {
        ShowMessage(result.note.toStdString());
    }
    return result.error.isEmpty();
}

bool DocumentFiles::SavePath(const QString& path) {
    StoreNotes();
    try {
        SaveDocumentFile(m_doc, ToPath(path));
    } catch (const std::exception& error) {
        ShowMessage(error.what());
        return false;
    }
    SetPath(QFileInfo(path).absoluteFilePath());
    RememberRecent(m_strPath);
    m_doc.SetModifiedFlag(false);
    emit Saved();
    return true;
}

bool DocumentFiles::OpenRecovered(const QString& recoveryFile, const QString& originalPath) {
    return Load(recoveryFile, originalPath, true);
}

std::vector<uint8_t> DocumentFiles::Snapshot() {
    StoreNotes();
    return SaveDocument(m_doc);
}

bool DocumentFiles::SaveModified() {
    if (!m_doc.IsModified()) {
        return true;
    }
    const auto answer = QMessageBox::question(
        &m_window, QStringLiteral("Velnor"), QStringLiteral("是否保存对 %1 的更改?").arg(Title()),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) {
        return false;
    }
    return answer == QMessageBox::No || Save();
}

bool DocumentFiles::ImportNotes(const QString& file) {
    const QString path = file.isEmpty()
                             ? AskOpenFileName(&m_window, QStringLiteral("打开RTF文件"), kRtfFilter)
                             : file;
    if (path.isEmpty()) {
        return false;
    }
    try {
        const std::vector<uint8_t> bytes = ReadWholeFile(ToPath(path));
        m_doc.ImportNotesRtf(std::string(bytes.begin(), bytes.end()));
    } catch (const std::exception& error) {
        ShowMessage(error.what());
        return false;
    }
    m_notes.ShowRtf(m_doc.NotesRtf());
    return true;
}

bool DocumentFiles::ExportNotes(const QString& file) {
    const QString path = file.isEmpty()
                             ? AskSaveFileName(&m_window, QStringLiteral("保存RTF文件"), kRtfFilter)
                             : file;
    if (path.isEmpty()) {
        return false;
    }
    // Empty notes are stored as nothing at all; a file of their own is still a document.
    const std::string rtf = m_notes.Rtf().empty() ? WriteRtf(QTextDocument()) : m_notes.Rtf();
    try {
        WriteFileReplacing(ToPath(WithExtension(path, QStringLiteral("rtf"))),
                           {reinterpret_cast<const uint8_t*>(rtf.data()), rtf.size()});
    } catch (const std::exception& error) {
        ShowMessage(error.what());
        return false;
    }
    return true;
}

void DocumentFiles::StoreNotes() {
    if (m_notes.IsEdited()) {
        m_doc.SetNotesRtf(m_notes.Rtf());
    }
}

void DocumentFiles::SetPath(const QString& path) {
    m_strPath = path;
    emit PathChanged();
}

QStringList DocumentFiles::RecentFiles() const {
    return ProgramProfile().value(kRecentKey).toStringList();
}

void DocumentFiles::RememberRecent(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentCount) {
        files.removeLast();
    }
    ProgramProfile().setValue(kRecentKey, files);
    FillRecentMenu();
}

void DocumentFiles::FillRecentMenu() {
    m_recentMenu->clear();
    const QStringList files = RecentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (SaveModified()) {
                OpenPath(path);
            }
        });
    }
    m_recentMenu->setEnabled(!files.isEmpty());
}

}  // namespace velnor
