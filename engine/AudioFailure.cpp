#include "engine/AudioFailure.h"

#include <QCoreApplication>

#include <new>

AudioFailure AudioFailure::from(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const AudioFailure &f) {
        return f;
    } catch (const std::bad_alloc &) {
        return {7, QCoreApplication::translate("AudioFailure", "Out of memory")};
    } catch (const std::exception &e) {
        return {InvalidArgument, QString::fromLocal8Bit(e.what())};
    } catch (...) {
        return {InvalidArgument, QCoreApplication::translate("AudioFailure", "Unknown error")};
    }
}
