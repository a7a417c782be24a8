#pragma once
#include <QString>

namespace art {

// Reads <picturesDir>/pictures.qrc and the pictures it lists, and writes one overview sheet
// per resource folder (res/RONDE -> <outDir>/res_RONDE.png, design/Form_image ->
// <outDir>/design_Form_image.png). Returns the process exit code.
int writeContactSheets(const QString& picturesDir, const QString& outDir);

} // namespace art
