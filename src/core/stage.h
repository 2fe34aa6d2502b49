#pragma once

#include <cstdint>

// The stages the main window leads the user through, in toolbar order. The values are the
// toolbar zones (x div 140) of the first four; the fifth is only reached after an upload.
enum TStage : int32_t {
    stChoose = 0,
    stBuild = 1,
    stPreview = 2,
    stSend = 3,
    stUploaded = 4,
};
