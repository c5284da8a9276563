#include "shell/chinese_file_model.h"

#include <QDateTime>
#include <QFileSystemModel>
#include <QLocale>

#include <array>

namespace velnor {

namespace {

// QFileSystemModel's columns.
enum Column : int { kName = 0, kSize = 1, kType = 2, kModified = 3 };

constexpr std::array<const char*, 4> kHeaders{"名称", "大小", "类型", "修改日期"};

QLocale Chinese() {
    return QLocale(QLocale::Chinese, QLocale::China);
}

// As a Chinese file manager writes it: "512 字节", "12.5 KB".
QString ChineseSize(qint64 bytes) {
    if (bytes < 1024) {
        return QStringLiteral("%1 字节").arg(bytes);
    }
    return Chinese().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

struct TypeName {
    const char* suffix;
    const char* name;
};

// The files the program opens and writes; any other is "<SUFFIX> 文件".
constexpr TypeName kTypeNames[] = {
    {"plm", "Velnor文件"}, {"bmp", "BMP图像"}, {"jpg", "JPEG图像"}, {"jpeg", "JPEG图像"},
    {"gif", "GIF图像"},    {"png", "PNG图像"}, {"tif", "TIFF图像"}, {"tiff", "TIFF图像"},
    {"svg", "SVG图形"},    {"pdf", "PDF文件"}, {"rtf", "RTF文档"},  {"tex", "TikZ图形"},
};

QString ChineseType(const QFileInfo& file) {
    if (file.isDir()) {
        return QStringLiteral("文件夹");
    }
    const QString suffix = file.suffix().toLower();
    for (const TypeName& type : kTypeNames) {
        if (suffix == QLatin1String(type.suffix)) {
            return QString::fromUtf8(type.name);
        }
    }
    return suffix.isEmpty() ? QStringLiteral("文件") : suffix.toUpper() + QStringLiteral(" 文件");
}

}  // namespace

QVariant ChineseFileModel::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (files == nullptr || role != Qt::DisplayRole || index.column() == kName) {
        return QIdentityProxyModel::data(index, role);
    }
    const QModelIndex file = mapToSource(index);
    switch (index.column()) {
        case kSize:
            return files->isDir(file) ? QString() : ChineseSize(files->size(file));
        case kType:
            return ChineseType(files->fileInfo(file));
        case kModified:
            return Chinese().toString(files->lastModified(file), QStringLiteral("yyyy/M/d H:mm"));
        default:
            return QIdentityProxyModel::data(index, role);
    }
}

QVariant ChineseFileModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < static_cast<int>(kHeaders.size())) {
        return QString::fromUtf8(kHeaders[static_cast<size_t>(section)]);
    }
    return QIdentityProxyModel::headerData(section, orientation, role);
}

}  // namespace velnor
