#include "app/update_reminder.h"

namespace vellamor {

// Nothing to remind of yet: the stored date and the question come with the
// web links.
void CheckUpdateReminder() {}

}  // namespace vellamor
