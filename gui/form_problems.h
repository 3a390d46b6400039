// SPDX-License-Identifier: GPL-3.0-or-later
// What the entry window does when one of the entry form's checks fails: the
// words in the user's language, the message box's icon, and the control that
// takes the focus. The core says only which check failed.
#pragma once

#include <QString>

#include "core/chart/entry_form.h"
#include "gui/dialogs.h"

namespace vellamor {

// Controls that a message can send the focus to.
enum class FormField {
    None,
    Name,
    LatDegrees,
    LatMinutes,
    LonDegrees,
    LonMinutes,
    City,
    State,
    Country,
    LatitudeOption,
    LongitudeOption
};

struct FormProblem {
    QString message;
    DialogIcon icon = DialogIcon::Critical;
    FormField focus = FormField::None;
};

FormProblem ProblemOf(FormCheck failed);

// The coordinates search's notices, which are not among the calculation's
// checks: a place name is missing.
enum class MissingPlaceName { City, State, Country };
FormProblem ProblemOf(MissingPlaceName missing);

}  // namespace vellamor
