// The start-up reminder that offers to look for a newer version. Runs once,
// after the single-instance check and before the entry window is shown.
#pragma once

namespace vellamor {

void CheckUpdateReminder();

}  // namespace vellamor
