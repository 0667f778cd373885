#pragma once
#include "data/progress.h"

namespace orva::platform {

/// Progress of a long task, as the record helpers drive it (AvanzarProgreso and
/// MostrarProgreso of data/progress.h): a position that advances by steps up to a
/// maximum, and a strip shown while the work runs.
class Progress {
public:
    virtual ~Progress() = default;
    /// When the position equals `start`, sets it to `start` and the maximum to `maximum`;
    /// then advances the position by `step` and repaints.
    virtual void advance(int step, int maximum, int start) = 0;
    /// Shows or hides the strip; showing also puts the position back to 0.
    virtual void show(bool visible) = 0;
};

} // namespace orva::platform
