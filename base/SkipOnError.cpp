#include "base/SkipOnError.h"

#include "engine/AudioFailure.h"

#include <new>
#include <stdexcept>

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
    try {
        std::rethrow_exception(error);
    } catch (const AudioFailure &f) {
        return {f.number(), f.description()};
    } catch (const std::bad_alloc &) {
        return {7, QStringLiteral("Out of memory")};
    } catch (const std::exception &e) {
        return {5, QString::fromLocal8Bit(e.what())};
    } catch (...) {
        return {5, QStringLiteral("Unknown error")};
    }
}
