#pragma once

#include <QString>

#include <exception>
#include <utility>

// The program's error convention: most handlers run their steps one by one and
// a step that fails is skipped, silently, and the next one runs. Each guarded
// step is written as
//
//     skipOnError([&] { recorder.setVolume(v); });
//
// so a reader sees at every call which steps are guarded and which are not.
// The last failure swallowed is kept for the few places that report it.
struct StepFailure
{
    int number = 0;
    QString description;
};

// The most recent failure swallowed by skipOnError (user-interface thread only).
StepFailure &lastStepFailure();
void clearLastStepFailure();

// Turns any exception into a number and a description.
StepFailure describeFailure(const std::exception_ptr &error);

// Runs step; returns true if it completed, false if it failed (and was skipped).
template<typename Step>
bool skipOnError(Step &&step)
{
    try {
        std::forward<Step>(step)();
        return true;
    } catch (...) {
        lastStepFailure() = describeFailure(std::current_exception());
        return false;
    }
}

// Runs step and returns its value, or fallback when it fails. For a value read
// inside a condition the convention runs the guarded branch "as if the test
// had passed"; the caller says so by its choice of fallback.
template<typename T, typename Step>
T valueOrSkip(Step &&step, T fallback)
{
    try {
        return std::forward<Step>(step)();
    } catch (...) {
        lastStepFailure() = describeFailure(std::current_exception());
        return fallback;
    }
}
