#pragma once

#include "files.h"
#include "plan.h"

#include <QByteArray>

// Reads a plan from JSON. Unknown keys, wrong types and what validatePlan
// refuses throw PlanError; values the checks judge are read as they are.
Plan readPlan(const QByteArray &json);
// The same from a file; PlanError also says why a file cannot be read.
Plan readPlanFile(const FilePath &path);

// The plan as a plan file holds it, which readPlan reads back the same:
// receivers name their standard only where it is not the unit's, and
// transponders their position only where it is not A.
QByteArray planJson(const Plan &plan);
