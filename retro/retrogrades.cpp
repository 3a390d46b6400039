#include "retro/retrogrades.h"

namespace vellamor {

RetrogradeMarks ComputeRetrogrades(const BirthData& /*birth*/) {
    RetrogradeMarks marks;
    for (int i = 0; i < kBodyCount; ++i)
        marks.labels[i] = std::string(kBaseLabels[i]);
    return marks;
}

}  // namespace vellamor
