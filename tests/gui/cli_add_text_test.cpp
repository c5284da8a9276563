#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>

#include "model/bit_text.h"
#include "model/document.h"
#include "persistence/document_io.h"
#include "richtext/rtf_reader.h"

namespace velnor {
namespace {

TEST(CliAddText, ScriptsAddRichTextsThatTheEditorCanOpen) {
    QTemporaryDir folder;
    const QString script = folder.filePath(QStringLiteral("text.script"));
    const QString output = folder.filePath(QStringLiteral("text.plm"));
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("添加文本 text=勾股定理\n添加文本\n");
    file.close();

    QProcess process;
    process.start(QStringLiteral(VELNOR_CLI),
                  {QStringLiteral("run"), script, QStringLiteral("-o"), output});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(process.readAllStandardOutput().toStdString(), "skipped: 添加文本\n");

    CPlomDoc doc;
    LoadDocumentFile(doc, output.toStdString());
    const auto& solids = doc.CurrentPage().m_solids;
    ASSERT_EQ(solids.size(), 1u);
    const auto* text = dynamic_cast<const CBitRtfText*>(solids.begin()->second.get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->m_strName, "文本：勾股...");
    EXPECT_GT(text->m_nWidth, 40);
    EXPECT_EQ(text->m_bits.size(), static_cast<size_t>(CBitText::BytesPerRow(text->m_nWidth)) *
                                       static_cast<size_t>(text->m_nHeight));
    QTextDocument stored;
    ReadRtf(text->m_strRtf, stored);
    EXPECT_EQ(stored.toPlainText(), QStringLiteral("勾股定理"));
}

}  // namespace
}  // namespace velnor
