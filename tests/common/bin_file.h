// Files the build put beside the program (the program itself, its data, skin and manuals),
// for the tests that copy or run them. TESSALY_BIN_DIR is the build's output folder.
#pragma once

#include <QLatin1Char>
#include <QString>

namespace testutil {

inline QString BinFile(const char* name)
{
    return QString::fromUtf8(TESSALY_BIN_DIR) + QLatin1Char('/') + QString::fromUtf8(name);
}

}  // namespace testutil
