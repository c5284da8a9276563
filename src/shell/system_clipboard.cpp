#include "shell/system_clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace velnor {

namespace {

const QString kMorvMime = QStringLiteral("application/x-qt-windows-mime;value=\"MORV\"");
const QString kMorvPlain = QStringLiteral("application/x-velnor-morv");

}  // namespace

void SystemClipboard::SetDocumentData(std::vector<uint8_t> bytes) {
    auto* data = new QMimeData;
    const QByteArray payload(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<qsizetype>(bytes.size()));
    data->setData(kMorvMime, payload);
    data->setData(kMorvPlain, payload);
    QApplication::clipboard()->setMimeData(data);
}

std::optional<std::vector<uint8_t>> SystemClipboard::DocumentData() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (data == nullptr) {
        return std::nullopt;
    }
    const QString format = data->hasFormat(kMorvPlain) ? kMorvPlain : kMorvMime;
    if (!data->hasFormat(format)) {
        return std::nullopt;
    }
    const QByteArray payload = data->data(format);
    return std::vector<uint8_t>(payload.begin(), payload.end());
}

}  // namespace velnor
