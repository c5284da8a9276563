#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "editing/sphere_latitude_longitude.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

// 添加球上的点、经线、纬线: latitude and longitude in degrees, and which of the parallel, the
// meridian and the point to add.
bool AskLatitudeLongitude(const DialogContext& context, CommandParams& values) {
    const LatitudeLongitude initial;
    ValuesDialog dialog(QStringLiteral("添加球上的点、经线、纬线"),
                        QStringLiteral("latitudeLongitudeDialog"), context.parent);
    dialog.Form().addRow(QStringLiteral("纬度：(-90,90)"),
                         dialog.AddNumber("lat", initial.latitude));
    dialog.Form().addRow(QStringLiteral("经度：(-180,180)"),
                         dialog.AddNumber("lon", initial.longitude));
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(dialog.AddFlag("parallel", QStringLiteral("加纬线"), initial.parallel));
    boxes->addWidget(dialog.AddFlag("meridian", QStringLiteral("加经线"), initial.meridian));
    boxes->addWidget(dialog.AddFlag("point", QStringLiteral("添加点"), initial.point));
    dialog.Layout().addLayout(boxes);
    return RunValuesDialog(dialog, context, values);
}

}  // namespace velnor
