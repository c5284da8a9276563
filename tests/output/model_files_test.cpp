#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "model/gl_model.h"
#include "model/page.h"
#include "output/model_files.h"
#include "output/page_model.h"

namespace velnor {
namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A page of two points and the line between them: nothing with a surface.
void AddBareLine(CGpage& page) {
    page.AddVertex(0.0f, 0.0f, 0.0f);
    page.AddVertex(1.0f, 0.0f, 0.0f);
    page.AddLine(0, 1, kSegment);
}

TEST(ModelFiles, APageWithoutSurfacesIsRefusedAndTheOldFileKept) {
    const QTemporaryDir dir;
    for (const char* name : {"empty.stl", "bare.stl"}) {
        SCOPED_TRACE(name);
        const QString path = dir.filePath(name);
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old model");
        old.close();
        CGpage page;
        if (QString(name) == "bare.stl") {
            AddBareLine(page);
        }
        const ModelExport result = WriteModelFile(path, page, CGlModel(), {});
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_EQ(Contents(path), "old model");
    }
}

TEST(ModelFiles, TubesGiveTheBareLineASurfaceAndNoNote) {
    const QTemporaryDir dir;
    const QString path = dir.filePath("line.STL");
    CGpage page;
    AddBareLine(page);
    ModelOptions options;
    options.tubeRadius = 0.1;
    const ModelExport result = WriteModelFile(path, page, CGlModel(), options);
    EXPECT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_TRUE(result.note.isEmpty());
    const QByteArray stl = Contents(path);
    ASSERT_GE(stl.size(), 84);
    const auto count = *reinterpret_cast<const quint32*>(stl.constData() + 80);
    EXPECT_EQ(stl.size(), 84 + 50 * static_cast<qsizetype>(count));
    EXPECT_GT(count, 0u);
}

TEST(ModelFiles, AnOpenFaceIsWrittenWithANote) {
    const QTemporaryDir dir;
    const QString path = dir.filePath("open.stl");
    CGpage page;
    AddBareLine(page);
    page.AddVertex(0.0f, 1.0f, 0.0f);
    page.AddFace(std::vector<int>{0, 1, 2});
    const ModelExport result = WriteModelFile(path, page, CGlModel(), {});
    EXPECT_TRUE(result.error.isEmpty());
    EXPECT_FALSE(result.note.isEmpty());
    EXPECT_EQ(Contents(path).size(), 84 + 2 * 50);
}

}  // namespace
}  // namespace velnor
