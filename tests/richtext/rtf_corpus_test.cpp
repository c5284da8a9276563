#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>

#include <string>
#include <vector>

#include "gui/text_document_description.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

namespace velnor {
namespace {

// Files that LibreOffice Writer wrote (from the HTML beside them), what each must show when we
// read it, and what LibreOffice must still find in the RTF we write of it, as patterns over the
// HTML it converts that RTF to.
struct CorpusFile {
    const char* name;
    std::vector<const char*> shows;
    std::vector<const char*> html;
};

const CorpusFile kCorpus[] = {
    {"lesson_text",
     {
         "\"勾股定理\" font=WenQuanYi Zen Hei size=24 bold=1 italic=0",
         "\"a² + b² = c²\" font=Liberation Serif size=12 bold=0 italic=0 underline=0 strike=0 "
         "color=#c00000",
         "\"直角三角形\" font=WenQuanYi Zen Hei size=16 bold=0 italic=0 underline=0 strike=0 "
         "color=#0000ff",
         "list=-4/1 1.\n  \"第一步 \"",
         "list=-5/2 a.\n  \"画直角 \"",
         "list=-5/2 b.\n  \"量两边 \"",
         "list=-4/1 2.\n  \"第二步 \"",
         "list=-1/1 .\n  \"正方体 \"",
     },
     {
         "font-size: 24pt\"><b>勾股定理</b>",
         "#0000ff\"><font face=\"WenQuanYi Zen Hei\"><font size=\"4\" style=\"font-size: 16pt\">"
         "直角三角形",
         "<ol>.*第一步.*<ol type=\"a\">.*画直角.*量两边.*</ol>.*第二步.*</ol>",
         "<ul>.*正方体.*长方体.*</ul>",
     }},
    {"lesson_table",
     {
         "cell=0,0 span=1x2\n  \"合并\" font=Liberation Serif size=12 bold=1",
         "cell=0,2 span=1x1\n  \"C1\"",
         "cell=2,2 span=1x1\n  \"C3\"",
         "picture 48x32 shown",
     },
     {
         "<table.*<td colspan=\"2\"[^>]*>.*<b>合并</b>.*C1.*A2.*B2.*C2.*A3.*B3.*C3.*</table>",
         "图：.*<img src=",
     }},
};

std::string ReadCorpusFile(const QString& name) {
    QFile file(QStringLiteral(VELNOR_TEST_DATA "/rtf/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll().toStdString();
}

TEST(RtfCorpus, FilesOfLibreOfficeShowWhatTheyHold) {
    for (const CorpusFile& file : kCorpus) {
        SCOPED_TRACE(file.name);
        QTextDocument document;
        ReadRtf(ReadCorpusFile(QString::fromUtf8(file.name) + ".rtf"), document);
        const std::string description = test::DescribeDocument(document).toStdString();
        for (const char* shown : file.shows) {
            EXPECT_NE(description.find(shown), std::string::npos) << shown << "\n" << description;
        }
    }
}

// Each file is read and written by us, and LibreOffice converts all our RTF to HTML in one run
// with a profile of its own.
TEST(RtfCorpus, LibreOfficeReadsWhatWeWriteOfThem) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    ASSERT_FALSE(soffice.isEmpty()) << "LibreOffice (libreoffice-writer-nogui) is not installed";
    QTemporaryDir folder;
    QStringList arguments{QStringLiteral("-env:UserInstallation=file://") +
                              folder.filePath(QStringLiteral("profile")),
                          QStringLiteral("--headless"),
                          QStringLiteral("--convert-to"),
                          QStringLiteral("html"),
                          QStringLiteral("--outdir"),
                          folder.filePath(QStringLiteral("html"))};
    for (const CorpusFile& file : kCorpus) {
        QTextDocument document;
        ReadRtf(ReadCorpusFile(QString::fromUtf8(file.name) + ".rtf"), document);
        const QString ours = folder.filePath(QString::fromUtf8(file.name) + ".rtf");
        QFile out(ours);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(WriteRtf(document)));
        arguments.append(ours);
    }
    QProcess libreOffice;
    libreOffice.setProcessChannelMode(QProcess::MergedChannels);
    libreOffice.start(soffice, arguments);
    ASSERT_TRUE(libreOffice.waitForFinished(120000)) << "LibreOffice did not finish";
    ASSERT_EQ(libreOffice.exitCode(), 0) << libreOffice.readAll().toStdString();

    for (const CorpusFile& file : kCorpus) {
        SCOPED_TRACE(file.name);
        QFile converted(folder.filePath(QStringLiteral("html/") + file.name + ".html"));
        ASSERT_TRUE(converted.open(QIODevice::ReadOnly)) << libreOffice.readAll().toStdString();
        const QString html = QString::fromUtf8(converted.readAll());
        for (const char* pattern : file.html) {
            const QRegularExpression expression(QString::fromUtf8(pattern),
                                                QRegularExpression::DotMatchesEverythingOption);
            EXPECT_TRUE(expression.match(html).hasMatch()) << pattern << "\n" << html.toStdString();
        }
    }
}

}  // namespace
}  // namespace velnor
