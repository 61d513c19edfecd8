#pragma once

#include <QString>
#include <exception>
#include <stdexcept>

// The failure the audio components raise. It carries an error number and a
// human-readable description, both of which the windows show to the user.
class AudioFailure : public std::runtime_error
{
public:
    // Error numbers the components use. System errors keep their errno value
    // offset by SystemBase so they never collide with ours.
    enum Number {
        InvalidArgument = 5,     // a value outside what the operation accepts
        NotConnected = 1001,     // no sound server
        NoSuchDevice = 1002,     // device or line index out of range
        CaptureFailed = 1003,    // the server refused or dropped the record stream
        ServerTimeout = 1004,    // the server did not answer in time
        DeviceRemoved = 1005,    // the device a capture recorded from went away
        FileNotOpen = 1101,      // a write or close without an open file
        SystemBase = 20000,      // + errno
    };

    AudioFailure(int number, const QString &description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
    {
    }

    int number() const { return m_number; }
    QString description() const { return m_description; }

    // Any failure caught as an exception, as one of these: ours as they are,
    // the others with the numbers of the classic run-time errors (7 out of
    // memory, 5 anything else).
    static AudioFailure from(const std::exception_ptr &error);

private:
    int m_number;
    QString m_description;
};
