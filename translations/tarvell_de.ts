<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AddressProbe</name>
    <message>
        <source>not found on the server (HTTP %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server refused it (HTTP %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a media stream: the server sends %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection was refused: nothing answers at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the host %1 was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server at %1 does not answer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioFailure</name>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileChoice</name>
    <message>
        <source>Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileType</name>
    <message>
        <source>%1 holds 8, 12, 16, 24 or 48 kHz only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormFlash</name>
    <message>
        <source>Version 5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tarvell Recorder developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvell Recorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records what your computer hears</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormWAV</name>
    <message>
        <source>WAV Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smallest file size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best sound quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Frequency (Hz) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Channels Mode </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Bits Per Sample </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 Bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 Bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> File Type </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kind of file the recording is written as. A name that ends in .wav, .flac, .opus, .ogg or .mp3 chooses it too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech makes the smallest files, Best the largest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording cannot be written as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 Hz is chosen instead of %3 Hz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files are made from 16-bit sound.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmPlayWav</name>
    <message>
        <source>Wav Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tarvell Recorder Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help pages are missing&lt;/h2&gt;&lt;p&gt;Tarvell Recorder could not find its help pages. They belong in the folder &lt;b&gt;help&lt;/b&gt; beside the program, or, for an installed program, in &lt;b&gt;share/tarvell-recorder/help&lt;/b&gt; of the folder it was installed into.&lt;/p&gt;&lt;p&gt;Installing the program again puts them back. Everything else works without them.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaFilters</name>
    <message>
        <source>Media files (all types)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio file (*.wav;*.flac;*.opus;*.ogg;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI file (*.mid;*.rmi;*.midi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie File (MPEG) (*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video file (*.avi;*.wmv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Media file (*.asf;*.wm;*.wma;*.wmv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media Playlist (*.asx;*.wax;*.m3u;*.wvx;*.wmx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaPlayerWidget</name>
    <message>
        <source>it cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its format is not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the network failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>access was denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is not a valid address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot play this address: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot play this file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buffering... %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PulseAudioRecord</name>
    <message>
        <source>The connection to the sound server was lost (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported recording format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The block length must be positive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device has nothing to record from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no connection to the sound server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no such source line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source line %1 is gone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no such device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no device %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no source line %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The volume must be between 0 and 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The balance must be between 0 and 100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This source line has no balance.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PulseCapture</name>
    <message>
        <source>There is no connection to the sound server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound server refused to record from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound server did not start recording in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording device was removed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PulseServer</name>
    <message>
        <source>There is no connection to the sound server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound server did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound server refused the volume of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound server refused port %1 of %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingControl</name>
    <message>
        <source>The recording was stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.
Record at %2 Hz instead of %3 Hz?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording cannot be written as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input the filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no connection to the sound server, so there is nothing to record from. No file was created or changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File size: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording device was removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What was recorded until then is in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything else is in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready to record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no connection to the sound server (PulseAudio or PipeWire). The lists fill and monitoring starts again as soon as it answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound for %1 s: check the Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound for %1, since %2: everything is below %3 dBFS. Check the Source, its Volume, and that something plays into it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clipping: %1 in %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clipping: the sound reached full scale %1 in the last %2 s (%3 since the start) and is distorted there. Lower the Volume.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s lost at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has stopped playing. The recording goes on when it plays again; nothing else is recorded meanwhile. Stop ends the recording.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 silent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sound for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in all (%1 stretches)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 clips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clipped %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s of sound lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last take: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last recording: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound was lost during this recording: %1 (%2 s in all).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Resampler</name>
    <message>
        <source>Cannot convert %1 Hz to %2 Hz: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid format</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Do you want to look for a newer version of Tarvell Recorder?

Yes opens %1 in your web browser.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StopSignals</name>
    <message>
        <source>they are caught already</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WavAudioFile</name>
    <message>
        <source>Unsupported recording format: %1 Hz, %2 channel(s), %3 bits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The second argument of CreateWaveFile must be 0, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create %1 as %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file is open to write the recording to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot update the header of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file is open to extend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only a WAV file can be extended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes is not a whole number of frames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot extend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WavChoices</name>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 Hz; %3; %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wav Files (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCapture</name>
    <message>
        <source>Tarvell Recorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play &amp;&amp; Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start recording when media file starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop recording when media file stops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Level Display Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More &amp;Tools...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Br&amp;owse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Recorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We strongly recommend you select &apos;Stereo Mix&apos; to record most sound. The name for &apos;Stereo Mix&apos; could be &apos;Sound Mix&apos;, &apos;WAV Mix&apos; etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready to record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not here now: recording from %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording %1 was interrupted before it was finished. It has been put right and holds %2 of sound (%3 s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording cannot be written as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converted from %1 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device runs at %1 Hz; the recorder converts its sound to the recording&apos;s %2 Hz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input the URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mms:// or http://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not initialize sound device. If you started other sound recorder, please exit it before run this application</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmWizard</name>
    <message>
        <source>&amp;Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wizard - Tarvell Recorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose one method to record sound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record sound from a media file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record sound from a URL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record sound from another application.<byte value="xd"/>
(From a game, a media player, etc.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please specify the filename of the media file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the media file and record sound now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the media file now. I want to record it later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the media file now. I want to play it later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded sound will be saved as:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fr&amp;om:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record everything the computer plays, or one application alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input the URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mms:// or http://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find the media file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input the filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input the URL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvell-rec</name>
    <message>
        <source>--%1 &quot;%2&quot; is not offered; the formats are rates %3 Hz, 1 or 2 channels (mono, stereo), 8 or 16 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (see --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json goes with --list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--list-formats goes alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--list takes no file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file to record into (see --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one file only, not %1 (quote a name with spaces)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--type &quot;%1&quot; is not offered; the types are wav, flac, opus, vorbis and mp3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality &quot;%1&quot; is not offered; the qualities are speech, music and best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rate %1: %2; the nearest is %3 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--duration &quot;%1&quot; is not a length of time above 0 (such as 90, 1:30, 1:02:03, 90s, 2m or 1h)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an empty device, line or application name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--app chooses the line itself: not with --device or --line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; there are no capture devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the devices and their lines are:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound server has no capture devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no device &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>several devices have a line &quot;%1&quot;; choose one with --device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no line &quot;%1&quot; on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device %1 has nothing to record from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (stream %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no application &quot;%1&quot;: no application is playing now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no application &quot;%1&quot;; playing now: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not valid UTF-8; give the name in UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sound server answers (is PulseAudio or PipeWire running for this user, with XDG_RUNTIME_DIR set?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is a folder; give the name of a file to record into</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: exists; give --force to replace it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot catch Ctrl+C: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device %1 was removed while recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound server went away while recording (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the capture stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not read in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 the server left out (silence in its place)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sound lost at %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 stopped playing at %3; waiting for its next sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sound at %3: everything below %1 dBFS for %2 s; check the line and its volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sound again at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clipping at %1: samples at full scale; lower the line&apos;s volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device runs at %1 Hz; converting to %2 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot record from %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2; the file holds the %3 recorded until then</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded %1 into %2 (%3)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 of sound was lost while recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sound for %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clipped once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clipped %1 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO SOUND %1 s  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLIPPING %1 in %2 s  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  waiting for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  lost %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
