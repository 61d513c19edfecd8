#include "base/SkipOnError.h"

#include "engine/AudioFailure.h"

StepFailure &lastStepFailure()
{
    static StepFailure failure;
    return failure;
}

void clearLastStepFailure()
{
    lastStepFailure() = {};
}

StepFailure describeFailure(const std::exception_ptr &error)
{
    const AudioFailure f = AudioFailure::from(error);
    return {f.number(), f.description()};
}
