#pragma once

#include "engine/DeviceSnapshot.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVector>

// The recorder: capture devices, their source lines with volume and balance,
// and capture itself, delivered in blocks.
//
// Devices are numbered 0 .. DeviceCount()-1 and the lines of the current
// device 0 .. SourceCount()-1. The index equal to the count is accepted as
// "one past the end": there DeviceValid() and SourceSelected() are false,
// SourceCount() is 0 and HasVolume()/HasBalance() are false, while
// DeviceName(), SourceName(), Volume() and Balance() throw, so a list filled
// from 0 to the count inclusive gets no empty row. Indices beyond the count
// throw AudioFailure on the put.
//
// A device is known by its name, not by its place in the list: when devices
// come and go, DeviceIndex() follows the chosen device to its new place, and
// is -1 while that device is gone (nothing is recorded from another one in
// its stead; the caller chooses).
//
// Every call is made on the user-interface thread, and every signal arrives
// there. Failures are thrown as AudioFailure.
class AudioRecord : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~AudioRecord() override = default;

    // --- capture ---
    // Starts capture in the format last given to SetFormat. Returns at once or
    // after a short timeout. A capture that cannot start (no server, no such
    // device, the server refused) is not thrown: CaptureStatus() turns
    // negative and lastError() tells why.
    virtual void StartCapture() = 0;
    // Stops capture. What was captured and not yet handed out through
    // EndArrayRecord stays available to GetBlock.
    virtual void StopCapture() = 0;
    // Takes AudioFile::FormatDescriptor() and AudioFile::FormatUnit().
    virtual void SetFormat(qint32 formatDescriptor, qint32 formatUnit) = 0;
    // Inside EndArrayRecord: that block. After StopCapture: the remaining
    // complete blocks, then the partial tail, then an empty array. Anywhere
    // else: an empty array. No sample is ever returned twice.
    virtual QByteArray GetBlock() = 0;
    // While capture runs, outside EndArrayRecord: what has been captured of
    // the block in progress (and any block not yet raised) up to this moment
    // and not yet handed out. That part is handed out once: the block's own
    // EndArrayRecord then carries only the rest. Lets a caller write sound as
    // it comes, and cut exactly where the user pressed Pause.
    virtual QByteArray GetPartialBlock() = 0;
    // The block length unit is the frame: DurationToLength(1000) is one second.
    virtual qint32 DurationToLength(qint32 milliseconds) const = 0;
    virtual qint32 SamplesToMilliseconds(qint32 samples) const = 0;
    // The latest count samples (interleaved left/right, 16-bit, mono duplicated
    // into both channels), oldest first; fewer at the very start of capture.
    virtual QVector<qint16> GetDisplayData(qint32 count) const = 0;
    virtual qint32 BlockLength() const = 0;
    // How often Timer comes (every 40 ms unless set otherwise). Fewer events
    // cost less; the sound waits in the recorder meanwhile, none is lost. The
    // server's timing (which finds sound it lost) is asked for as often, at
    // most four times a second, and that often while a stall is settled.
    virtual void setTimerInterval(qint32 milliseconds) = 0;
    // Whether anyone wants the running capture's sound. Monitoring while no
    // display is in sight wants none: the sound server then holds it back,
    // which costs neither side anything, and Timer brings no sound (nor
    // EndArrayRecord any block) until it is wanted again; from then on the
    // sound comes as it is captured, and GetDisplayData holds only that.
    // Every StartCapture wants its sound.
    virtual void setSoundWanted(bool wanted) = 0;
    virtual void setBlockLength(qint32 frames) = 0;
    // 0 or more while capture runs or after a clean stop; negative when
    // capture did not start or died (see lastError()).
    virtual qint32 CaptureStatus() const = 0;

    // --- the sound server ---
    // Whether the sound server answers. Without one there are no devices and
    // capture cannot start; the recorder keeps waiting for one.
    virtual bool ServerConnected() const = 0;

    // --- devices ---
    virtual qint32 DeviceCount() const = 0;
    virtual QString DeviceName() const = 0;
    virtual qint32 DeviceIndex() const = 0;
    virtual void setDeviceIndex(qint32 index) = 0;
    virtual bool DeviceValid() const = 0;
    // Where the server's default source (what other programs record from) is
    // listed: its device and, within it, its line; -1 when nowhere.
    virtual qint32 DefaultDeviceIndex() const = 0;
    virtual qint32 DefaultSourceIndex() const = 0;
    // Every valid device with its lines, as they are now, read without
    // moving the cursor (DeviceIndex, SourceIndex) and without a call to the
    // server. To choose, put the cursor on the device and line.
    virtual DeviceSnapshot devices() const = 0;

    // --- source lines of the current device ---
    virtual qint32 SourceCount() const = 0;
    virtual QString SourceName() const = 0;
    virtual qint32 SourceIndex() const = 0;
    virtual void setSourceIndex(qint32 index) = 0;
    virtual bool HasVolume() const = 0;
    virtual qint32 Volume() const = 0;          // 0 .. 65535
    virtual void setVolume(qint32 volume) = 0;
    virtual bool HasBalance() const = 0;
    virtual qint32 Balance() const = 0;         // 0 .. 100, 50 is the centre
    virtual void setBalance(qint32 balance) = 0;
    virtual bool SourceSelected() const = 0;
    virtual void setSourceSelected(bool selected) = 0;
    // The rate the line's device itself runs at, in Hz, as the server reports
    // it; 0 when unknown. (On PipeWire the graph may run at another.)
    virtual qint32 SourceRate() const = 0;
    // While capture runs: the rate the device really delivers at, in Hz, when
    // that is not the recording's and the recorder converts it; 0 otherwise.
    virtual qint32 convertedFromRate() const = 0;

    // --- health of the current or last capture ---
    // Frames the server reported as holes (written to the blocks as silence).
    virtual qint64 holeFrames() const = 0;
    // Frames lost: the program did not keep up, or the server's clock ran on
    // past sound it never delivered (measured once it runs normally again).
    virtual qint64 lostFrames() const = 0;
    // How many frames before the newest captured one the latest loss began:
    // a loss is often known only a while after it happened.
    virtual qint64 lostFramesAgo() const = 0;
    // Description of the last failure, empty if none.
    virtual QString lastError() const = 0;

    // --- when the sound was captured ---
    // The frame numbered `frame` (counted as CurrentSamples counts them) was
    // captured at `us` microseconds on the system's clock, as the server's
    // timing tells; frame < 0 while that is not known. Two captures on one
    // machine are put in step with it.
    struct CaptureClock
    {
        qint64 frame = -1;
        qint64 us = 0;
    };
    virtual CaptureClock captureClock() const { return {}; }

    // --- one application ---
    // The server's number of the stream an application's line records; -1
    // for any other line.
    virtual qint32 SourceStream() const = 0;
    // Capturing from an application's line whose stream has ended, the
    // capture waits for the same application's next stream and goes on with
    // it (nothing else is captured meanwhile, and no CaptureError is raised):
    // then this is the application's name, otherwise empty.
    virtual QString WaitingFor() const = 0;

signals:
    // At least 20 times a second while capture runs. CurrentSamples is the
    // number of frames captured since StartCapture; the levels are the peaks
    // since the previous Timer, 0 .. 32767.
    void Timer(qint32 CurrentSamples, qint32 LevelLeft, qint32 LevelRight);
    // Block number nBlock (1, 2, ...) is complete; GetBlock inside the handler
    // returns it. A block not fetched there is dropped.
    void EndArrayRecord(qint32 nBlock);
    // The volume or balance of the selected line was changed outside the
    // program (newVolume is its volume now).
    void GainChange(qint32 newVolume);
    // Capture stopped by itself (the server went away: NotConnected; the
    // device vanished: DeviceRemoved). CaptureStatus() is negative from now on.
    void CaptureError(qint32 number, const QString &description);
    // The list of devices or lines changed (a device appeared or left, the
    // server came back).
    void DevicesChanged();
    // The sound server went away or (again) answers.
    void ServerConnectionChanged(bool connected);
};
