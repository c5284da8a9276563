#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "model/document.h"
#include "persistence/document_io.h"

namespace velnor::test {
namespace {

struct Outcome {
    int code = -1;
    QString out;
    QString errors;
};

// `velnor ARGUMENTS` as a teacher's script would start it, with a profile of its own.
class RunOptionTest : public testing::Test {
protected:
    QString Script(const QString& name, const QByteArray& lines) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines);
        return path;
    }

    Outcome Velnor(const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           dir.filePath(QStringLiteral("config")));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VELNOR_APP), arguments);
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
        }
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir dir;
    QString saved = dir.filePath(QStringLiteral("figure.plm"));
};

TEST_F(RunOptionTest, AScriptThatSavesAndEndsWithExitLeavesWithStatus0) {
    const QString script = Script(QStringLiteral("save.script"),
                                  "point 0 0 0\npoint 1 0 0\npoint 0 1 0\npoint 1 1 0\n"
                                  "line 0 1\nline 2 3\nselect lines 1 2\n交点\n三视图\n"
                                  "另存为 file=" +
                                      saved.toUtf8() + "\n退出\n");
    const Outcome first = Velnor({QStringLiteral("--run"), script});
    ASSERT_EQ(first.code, 0) << first.errors.toStdString();
    EXPECT_EQ(first.out, QStringLiteral("message: 两线平行无交点!\n"));
    CPlomDoc doc;
    LoadDocumentFile(doc, saved.toStdString());
    EXPECT_EQ(doc.CurrentPage().m_nVertexCount, 4);
    EXPECT_EQ(doc.CurrentPage().m_lines.size(), 2u);

    // The file named first is open when the script starts.
    const QString copy = dir.filePath(QStringLiteral("copy.plm"));
    const QString again = Script(QStringLiteral("again.script"),
                                 "point 5 5 5\n保存\n另存为 file=" + copy.toUtf8() + "\n退出\n");
    const Outcome second = Velnor({saved, QStringLiteral("--run"), again});
    ASSERT_EQ(second.code, 0) << second.errors.toStdString();
    LoadDocumentFile(doc, copy.toStdString());
    EXPECT_EQ(doc.CurrentPage().m_nVertexCount, 5);
}

TEST_F(RunOptionTest, ABadStartStopsWithStatus2AndSaysWhere) {
    const QString bad = Script(QStringLiteral("bad.script"), "point 0 0 0\n# fine\n画圆 1\n退出\n");
    const struct {
        QStringList arguments;
        QString error;
    } cases[] = {
        {{QStringLiteral("--run"), bad},
         QStringLiteral("velnor: %1: line 3: unknown command '画圆'\n").arg(bad)},
        {{QStringLiteral("--run"), dir.filePath(QStringLiteral("none.script"))},
         QStringLiteral("velnor: cannot read the script %1\n")
             .arg(dir.filePath(QStringLiteral("none.script")))},
        {{QStringLiteral("--run"), dir.path()},
         QStringLiteral("velnor: cannot read the script %1\n").arg(dir.path())},
        {{QStringLiteral("--run")}, QStringLiteral("usage: velnor [FILE.plm] [--run SCRIPT]\n")},
        {{QStringLiteral("a.plm"), QStringLiteral("b.plm")},
         QStringLiteral("usage: velnor [FILE.plm] [--run SCRIPT]\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome outcome = Velnor(c.arguments);
        EXPECT_EQ(outcome.code, 2);
        EXPECT_TRUE(outcome.errors.endsWith(c.error)) << outcome.errors.toStdString();
    }
}

// A damaged file, a missing one and a folder: no box waits for a click that never comes.
TEST_F(RunOptionTest, ADocumentThatCannotBeOpenedStopsWithStatus2AndSaysWhy) {
    const QString script = Script(QStringLiteral("end.script"), "退出\n");
    const QString damaged = Script(QStringLiteral("damaged.plm"), "not a document\n");
    const QString folder = dir.filePath(QStringLiteral("folder.plm"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString& file : {damaged, dir.filePath(QStringLiteral("missing.plm")), folder}) {
        SCOPED_TRACE(file.toStdString());
        const Outcome outcome = Velnor({file, QStringLiteral("--run"), script});
        EXPECT_EQ(outcome.code, 2);
        EXPECT_TRUE(outcome.out.startsWith(QStringLiteral("message: 不能打开文件")))
            << outcome.out.toStdString();
        EXPECT_TRUE(outcome.errors.endsWith(
            QStringLiteral("velnor: cannot open the document %1\n").arg(file)))
            << outcome.errors.toStdString();
    }
}

}  // namespace
}  // namespace velnor::test
