#pragma once

#include "model/gl_model.h"
#include "persistence/archive_reader.h"
#include "persistence/archive_writer.h"

namespace velnor {

// The scene settings at the head of every document: everything but the camera.
void WriteSceneSettings(ArchiveWriter& out, const CGlModel& settings);

// Reads into settings; its camera and the fields that are not stored are left as they were.
void ReadSceneSettings(ArchiveReader& in, CGlModel& settings);

}  // namespace velnor
