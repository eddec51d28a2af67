// Fuzzes the plan reader: each input as a plan file. A plan is read or
// refused with a message; one that is read passes the checks it was read
// with, and written back it reads as the same plan.

#include "plan.h"
#include "planfile.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), int(size));
    try {
        const Plan plan = readPlan(json);
        validatePlan(plan);
        const Plan again = readPlan(planJson(plan));
        check(again == plan);
        checkPlan(plan);
        planTable(plan);
    } catch (const PlanError &error) {
        check(*error.what() != 0);
    }
    return 0;
}
