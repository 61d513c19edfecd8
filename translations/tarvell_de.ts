<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>AddressProbe</name>
    <message>
        <source>not found on the server (HTTP %1)</source>
        <translation>auf dem Server nicht gefunden (HTTP %1)</translation>
    </message>
    <message>
        <source>the server refused it (HTTP %1)</source>
        <translation>der Server hat es abgelehnt (HTTP %1)</translation>
    </message>
    <message>
        <source>not a media stream: the server sends %1</source>
        <translation>kein Medienstrom: der Server sendet %1</translation>
    </message>
    <message>
        <source>the connection was refused: nothing answers at %1</source>
        <translation>die Verbindung wurde abgelehnt: unter %1 antwortet nichts</translation>
    </message>
    <message>
        <source>the host %1 was not found</source>
        <translation>der Rechner %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>the server at %1 does not answer</source>
        <translation>der Server unter %1 antwortet nicht</translation>
    </message>
</context>
<context>
    <name>AudioDisplayWidget</name>
    <message>
        <source>Level display</source>
        <translation>Pegelanzeige</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>Oszilloskop</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Spektrum</translation>
    </message>
    <message>
        <source>Level meters</source>
        <translation>Pegelmesser</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Spektrogramm</translation>
    </message>
    <message>
        <source>Level history</source>
        <translation>Pegelverlauf</translation>
    </message>
</context>
<context>
    <name>AudioFailure</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>Conversation</name>
    <message>
        <source>A conversation with each source in a channel of its own is recorded in stereo.</source>
        <translation>Ein Gespräch mit jeder Quelle in einem eigenen Kanal wird in Stereo aufgenommen.</translation>
    </message>
    <message>
        <source>The second source cannot be recorded: %1</source>
        <translation>Die zweite Quelle kann nicht aufgenommen werden: %1</translation>
    </message>
</context>
<context>
    <name>FileChoice</name>
    <message>
        <source>Speech</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
</context>
<context>
    <name>FileType</name>
    <message>
        <source>%1 holds 8, 12, 16, 24 or 48 kHz only</source>
        <translation>%1 fasst nur 8, 12, 16, 24 oder 48 kHz</translation>
    </message>
</context>
<context>
    <name>FormFlash</name>
    <message>
        <source>Version 5.0</source>
        <translation>Version 5.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tarvell Recorder developers</source>
        <translation>Copyright © 2026 Die Entwickler von Tarvell Recorder</translation>
    </message>
    <message>
        <source>Tarvell Recorder</source>
        <translation>Tarvell Recorder</translation>
    </message>
    <message>
        <source>Records what your computer hears</source>
        <translation>Nimmt auf, was Ihr Computer hört</translation>
    </message>
</context>
<context>
    <name>FormWAV</name>
    <message>
        <source>WAV Option</source>
        <translation>WAV-Optionen</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Vorgaben</translation>
    </message>
    <message>
        <source>Smallest file size</source>
        <translation>Kleinste Datei</translation>
    </message>
    <message>
        <source>Best sound quality</source>
        <translation>Beste Tonqualität</translation>
    </message>
    <message>
        <source> Frequency (Hz) </source>
        <translation> Frequenz (Hz) </translation>
    </message>
    <message>
        <source> Channels Mode </source>
        <translation> Kanäle </translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source> Bits Per Sample </source>
        <translation> Bits pro Sample </translation>
    </message>
    <message>
        <source>8 Bit</source>
        <translation>8 Bit</translation>
    </message>
    <message>
        <source>16 Bit</source>
        <translation>16 Bit</translation>
    </message>
    <message>
        <source> File Type </source>
        <translation> Dateityp </translation>
    </message>
    <message>
        <source>The kind of file the recording is written as. A name that ends in .wav, .flac, .opus, .ogg or .mp3 chooses it too.</source>
        <translation>Die Art der Datei, als die die Aufnahme geschrieben wird. Ein Name, der auf .wav, .flac, .opus, .ogg oder .mp3 endet, wählt sie ebenfalls.</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <source>Speech makes the smallest files, Best the largest.</source>
        <translation>„Sprache“ ergibt die kleinsten Dateien, „Beste“ die größten.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The recording cannot be written as %1: %2</source>
        <translation>Die Aufnahme kann nicht als %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1: %2 Hz is chosen instead of %3 Hz.</source>
        <translation>%1: Statt %3 Hz wird %2 Hz gewählt.</translation>
    </message>
    <message>
        <source>%1 files are made from 16-bit sound.</source>
        <translation>%1-Dateien entstehen aus 16-Bit-Ton.</translation>
    </message>
    <message>
        <source>24 Bit</source>
        <translation>24 Bit</translation>
    </message>
    <message>
        <source>32 Bit Float</source>
        <translation>32 Bit Float</translation>
    </message>
    <message>
        <source>Keeps sound that goes past full scale, to be turned down when it is edited.</source>
        <translation>Behält Ton über der Vollaussteuerung, um ihn beim Bearbeiten leiser zu machen.</translation>
    </message>
    <message>
        <source>%1 files keep float sound in 24 bits.</source>
        <translation>%1-Dateien halten Float-Ton in 24 Bit.</translation>
    </message>
</context>
<context>
    <name>FrmPlayWav</name>
    <message>
        <source>Wav Player</source>
        <translation>Wav-Player</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tarvell Recorder Help</source>
        <translation>Hilfe zu Tarvell Recorder</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help pages are missing&lt;/h2&gt;&lt;p&gt;Tarvell Recorder could not find its help pages. They belong in the folder &lt;b&gt;help&lt;/b&gt; beside the program, or, for an installed program, in &lt;b&gt;share/tarvell-recorder/help&lt;/b&gt; of the folder it was installed into.&lt;/p&gt;&lt;p&gt;Installing the program again puts them back. Everything else works without them.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Die Hilfeseiten fehlen&lt;/h2&gt;&lt;p&gt;Tarvell Recorder hat seine Hilfeseiten nicht gefunden. Sie gehören in den Ordner &lt;b&gt;help&lt;/b&gt; neben dem Programm oder, bei einem installierten Programm, nach &lt;b&gt;share/tarvell-recorder/help&lt;/b&gt; im Installationsordner.&lt;/p&gt;&lt;p&gt;Eine erneute Installation bringt sie zurück. Alles andere funktioniert auch ohne sie.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
</context>
<context>
    <name>MediaFilters</name>
    <message>
        <source>Media files (all types)</source>
        <translation>Mediendateien (alle Typen)</translation>
    </message>
    <message>
        <source>Audio file (*.wav;*.flac;*.opus;*.ogg;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3)</source>
        <translation>Audiodatei (*.wav;*.flac;*.opus;*.ogg;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3)</translation>
    </message>
    <message>
        <source>MIDI file (*.mid;*.rmi;*.midi)</source>
        <translation>MIDI-Datei (*.mid;*.rmi;*.midi)</translation>
    </message>
    <message>
        <source>Movie File (MPEG) (*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe)</source>
        <translation>Filmdatei (MPEG) (*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe)</translation>
    </message>
    <message>
        <source>Video file (*.avi;*.wmv)</source>
        <translation>Videodatei (*.avi;*.wmv)</translation>
    </message>
    <message>
        <source>Windows Media file (*.asf;*.wm;*.wma;*.wmv)</source>
        <translation>Windows-Media-Datei (*.asf;*.wm;*.wma;*.wmv)</translation>
    </message>
    <message>
        <source>Media Playlist (*.asx;*.wax;*.m3u;*.wvx;*.wmx)</source>
        <translation>Medien-Wiedergabeliste (*.asx;*.wax;*.m3u;*.wvx;*.wmx)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>MediaPlayerWidget</name>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its format is not supported</source>
        <translation>ihr Format wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the network failed</source>
        <translation>das Netzwerk ist ausgefallen</translation>
    </message>
    <message>
        <source>access was denied</source>
        <translation>der Zugriff wurde verweigert</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>this is not a valid address</source>
        <translation>dies ist keine gültige Adresse</translation>
    </message>
    <message>
        <source>Cannot play this address: %1</source>
        <translation>Diese Adresse kann nicht abgespielt werden: %1</translation>
    </message>
    <message>
        <source>Cannot play this file: %1</source>
        <translation>Diese Datei kann nicht abgespielt werden: %1</translation>
    </message>
    <message>
        <source>No media</source>
        <translation>Kein Medium</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Buffering... %1%</source>
        <translation>Puffern... %1%</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
</context>
<context>
    <name>PulseAudioRecord</name>
    <message>
        <source>The connection to the sound server was lost (%1).</source>
        <translation>Die Verbindung zum Soundserver ist abgebrochen (%1).</translation>
    </message>
    <message>
        <source>Unsupported recording format.</source>
        <translation>Nicht unterstütztes Aufnahmeformat.</translation>
    </message>
    <message>
        <source>The block length must be positive.</source>
        <translation>Die Blocklänge muss positiv sein.</translation>
    </message>
    <message>
        <source>This device has nothing to record from.</source>
        <translation>Dieses Gerät hat nichts, wovon aufgenommen werden kann.</translation>
    </message>
    <message>
        <source>There is no connection to the sound server.</source>
        <translation>Es besteht keine Verbindung zum Soundserver.</translation>
    </message>
    <message>
        <source>There is no such source line.</source>
        <translation>Diese Quelle gibt es nicht.</translation>
    </message>
    <message>
        <source>The source line %1 is gone.</source>
        <translation>Die Quelle %1 ist nicht mehr da.</translation>
    </message>
    <message>
        <source>There is no such device.</source>
        <translation>Dieses Gerät gibt es nicht.</translation>
    </message>
    <message>
        <source>There is no device %1.</source>
        <translation>Es gibt kein Gerät %1.</translation>
    </message>
    <message>
        <source>There is no source line %1.</source>
        <translation>Es gibt keine Quelle %1.</translation>
    </message>
    <message>
        <source>The volume must be between 0 and 65535.</source>
        <translation>Die Lautstärke muss zwischen 0 und 65535 liegen.</translation>
    </message>
    <message>
        <source>The balance must be between 0 and 100.</source>
        <translation>Die Balance muss zwischen 0 und 100 liegen.</translation>
    </message>
    <message>
        <source>This source line has no balance.</source>
        <translation>Diese Quelle hat keine Balance.</translation>
    </message>
</context>
<context>
    <name>PulseCapture</name>
    <message>
        <source>There is no connection to the sound server.</source>
        <translation>Es besteht keine Verbindung zum Soundserver.</translation>
    </message>
    <message>
        <source>The sound server refused to record from %1.</source>
        <translation>Der Soundserver hat die Aufnahme von %1 abgelehnt.</translation>
    </message>
    <message>
        <source>The sound server did not start recording in time.</source>
        <translation>Der Soundserver hat die Aufnahme nicht rechtzeitig begonnen.</translation>
    </message>
    <message>
        <source>The recording device was removed.</source>
        <translation>Das Aufnahmegerät wurde entfernt.</translation>
    </message>
</context>
<context>
    <name>PulseServer</name>
    <message>
        <source>There is no connection to the sound server.</source>
        <translation>Es besteht keine Verbindung zum Soundserver.</translation>
    </message>
    <message>
        <source>The sound server did not answer in time.</source>
        <translation>Der Soundserver hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The sound server refused the volume of %1.</source>
        <translation>Der Soundserver hat die Lautstärke von %1 abgelehnt.</translation>
    </message>
    <message>
        <source>The sound server refused port %1 of %2.</source>
        <translation>Der Soundserver hat den Anschluss %1 von %2 abgelehnt.</translation>
    </message>
</context>
<context>
    <name>RecordingControl</name>
    <message>
        <source>The recording was stopped: %1</source>
        <translation>Die Aufnahme wurde beendet: %1</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>once</source>
        <translation>einmal</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1-mal</translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation>Aufnahme...</translation>
    </message>
    <message>
        <source>%1.
Record at %2 Hz instead of %3 Hz?</source>
        <translation>%1.
Mit %2 Hz statt %3 Hz aufnehmen?</translation>
    </message>
    <message>
        <source>The recording cannot be written as %1: %2</source>
        <translation>Die Aufnahme kann nicht als %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please input the filename</source>
        <translation>Bitte geben Sie einen Dateinamen ein</translation>
    </message>
    <message>
        <source>There is no connection to the sound server, so there is nothing to record from. No file was created or changed.</source>
        <translation>Es besteht keine Verbindung zum Soundserver, daher gibt es nichts aufzunehmen. Es wurde keine Datei erstellt oder geändert.</translation>
    </message>
    <message>
        <source>The file %1 already exists.
Do you want to replace it?</source>
        <translation>Die Datei %1 existiert bereits.
Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>File size: </source>
        <translation>Dateigröße: </translation>
    </message>
    <message>
        <source> KB</source>
        <translation> KB</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Elapsed: </source>
        <translation>Dauer: </translation>
    </message>
    <message>
        <source>The recording device was removed.</source>
        <translation>Das Aufnahmegerät wurde entfernt.</translation>
    </message>
    <message>
        <source>What was recorded until then is in:
%1</source>
        <translation>Was bis dahin aufgenommen wurde, steht in:
%1</translation>
    </message>
    <message>
        <source>Everything else is in:
%1</source>
        <translation>Alles Übrige steht in:
%1</translation>
    </message>
    <message>
        <source>Ready to record</source>
        <translation>Bereit zur Aufnahme</translation>
    </message>
    <message>
        <source>No sound server</source>
        <translation>Kein Soundserver</translation>
    </message>
    <message>
        <source>There is no connection to the sound server (PulseAudio or PipeWire). The lists fill and monitoring starts again as soon as it answers.</source>
        <translation>Es besteht keine Verbindung zum Soundserver (PulseAudio oder PipeWire). Die Listen füllen sich und die Überwachung beginnt wieder, sobald er antwortet.</translation>
    </message>
    <message>
        <source>No sound for %1 s: check the Source</source>
        <translation>Seit %1 s kein Ton: Quelle prüfen</translation>
    </message>
    <message>
        <source>No sound for %1, since %2: everything is below %3 dBFS. Check the Source, its Volume, and that something plays into it.</source>
        <translation>Kein Ton für %1, seit %2: alles liegt unter %3 dBFS. Prüfen Sie die Quelle, ihre Lautstärke und ob etwas in sie hineinspielt.</translation>
    </message>
    <message>
        <source>Clipping: %1 in %2 s</source>
        <translation>Übersteuerung: %1 in %2 s</translation>
    </message>
    <message>
        <source>Clipping: the sound reached full scale %1 in the last %2 s (%3 since the start) and is distorted there. Lower the Volume.</source>
        <translation>Übersteuerung: Der Ton hat in den letzten %2 s %1 den Vollausschlag erreicht (%3 seit dem Beginn) und ist dort verzerrt. Verringern Sie die Lautstärke.</translation>
    </message>
    <message>
        <source>%1 s lost at %2</source>
        <translation>%1 s verloren bei %2</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>Warte auf %1...</translation>
    </message>
    <message>
        <source>%1 has stopped playing. The recording goes on when it plays again; nothing else is recorded meanwhile. Stop ends the recording.</source>
        <translation>%1 spielt nicht mehr. Die Aufnahme geht weiter, sobald es wieder spielt; in der Zwischenzeit wird nichts anderes aufgenommen. „Stopp“ beendet die Aufnahme.</translation>
    </message>
    <message>
        <source>%1 silent</source>
        <translation>%1 still</translation>
    </message>
    <message>
        <source>no sound for %1</source>
        <translation>kein Ton für %1</translation>
    </message>
    <message>
        <source> in all (%1 stretches)</source>
        <translation> insgesamt (%1 Abschnitte)</translation>
    </message>
    <message>
        <source>1 clip</source>
        <translation>1 Übersteuerung</translation>
    </message>
    <message>
        <source>%1 clips</source>
        <translation>%1 Übersteuerungen</translation>
    </message>
    <message>
        <source>clipped %1</source>
        <translation>%1 übersteuert</translation>
    </message>
    <message>
        <source>%1 s lost</source>
        <translation>%1 s verloren</translation>
    </message>
    <message>
        <source>%1 s of sound lost</source>
        <translation>%1 s Ton verloren</translation>
    </message>
    <message>
        <source>Last take: </source>
        <translation>Letzte Aufnahme: </translation>
    </message>
    <message>
        <source>Last recording: %1.</source>
        <translation>Letzte Aufnahme: %1.</translation>
    </message>
    <message>
        <source>%1 s at %2</source>
        <translation>%1 s bei %2</translation>
    </message>
    <message>
        <source>Sound was lost during this recording: %1 (%2 s in all).</source>
        <translation>Während dieser Aufnahme ging Ton verloren: %1 (insgesamt %2 s).</translation>
    </message>
    <message>
        <source>Recording %1...</source>
        <translation>%1 wird aufgenommen...</translation>
    </message>
    <message>
        <source>Ready to record %1</source>
        <translation>Bereit, %1 aufzunehmen</translation>
    </message>
    <message>
        <source>No sound from %1 for %2 s</source>
        <translation>Kein Ton von %1 seit %2 s</translation>
    </message>
    <message>
        <source>No sound from %1 for %2, since %3: everything is below %4 dBFS. Check it, its volume, and that something plays into it.</source>
        <translation>Kein Ton von %1 für %2, seit %3: alles liegt unter %4 dBFS. Prüfen Sie die Quelle, ihre Lautstärke und ob etwas hineinspielt.</translation>
    </message>
    <message>
        <source>%1 has stopped playing. Its side is silent until it plays again; %2 is recorded meanwhile. Stop ends the recording.</source>
        <translation>%1 spielt nicht mehr. Seine Seite bleibt still, bis es wieder spielt; %2 wird weiter aufgenommen. Stopp beendet die Aufnahme.</translation>
    </message>
    <message>
        <source>%1 is no longer recorded</source>
        <translation>%1 wird nicht mehr aufgenommen</translation>
    </message>
    <message>
        <source>%1 is no longer recorded (%2): its side is silent from then on; %3 is still recorded.</source>
        <translation>%1 wird nicht mehr aufgenommen (%2): seine Seite bleibt von da an still; %3 wird weiter aufgenommen.</translation>
    </message>
</context>
<context>
    <name>Resampler</name>
    <message>
        <source>Cannot convert %1 Hz to %2 Hz: %3</source>
        <translation>%1 Hz kann nicht in %2 Hz umgewandelt werden: %3</translation>
    </message>
    <message>
        <source>invalid format</source>
        <translation>ungültiges Format</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Do you want to look for a newer version of Tarvell Recorder?

Yes opens %1 in your web browser.</source>
        <translation>Möchten Sie nach einer neueren Version von Tarvell Recorder suchen?

„Ja“ öffnet %1 in Ihrem Webbrowser.</translation>
    </message>
</context>
<context>
    <name>StopSignals</name>
    <message>
        <source>they are caught already</source>
        <translation>sie werden bereits abgefangen</translation>
    </message>
</context>
<context>
    <name>VorbisWriter</name>
    <message>
        <source>Cannot write the Ogg Vorbis stream: %1</source>
        <translation>Der Ogg-Vorbis-Datenstrom kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The Vorbis encoder cannot make %1 Hz with %2 channel(s) at quality %3.</source>
        <translation>Der Vorbis-Encoder kann %1 Hz mit %2 Kanal/Kanälen bei Qualität %3 nicht erzeugen.</translation>
    </message>
</context>
<context>
    <name>WavAudioFile</name>
    <message>
        <source>Unsupported recording format: %1 Hz, %2 channel(s), %3 bits.</source>
        <translation>Nicht unterstütztes Aufnahmeformat: %1 Hz, %2 Kanal/Kanäle, %3 Bit.</translation>
    </message>
    <message>
        <source>The second argument of CreateWaveFile must be 0, not %1.</source>
        <translation>Das zweite Argument von CreateWaveFile muss 0 sein, nicht %1.</translation>
    </message>
    <message>
        <source>Cannot create</source>
        <translation>Fehler beim Erstellen von</translation>
    </message>
    <message>
        <source>Cannot create %1 as %2: %3</source>
        <translation>%1 kann nicht als %2 erstellt werden: %3</translation>
    </message>
    <message>
        <source>No file is open to write the recording to.</source>
        <translation>Es ist keine Datei zum Schreiben der Aufnahme geöffnet.</translation>
    </message>
    <message>
        <source>Cannot write to</source>
        <translation>Fehler beim Schreiben in</translation>
    </message>
    <message>
        <source>Cannot update the header of</source>
        <translation>Fehler beim Aktualisieren des Kopfes von</translation>
    </message>
    <message>
        <source>No file is open to extend.</source>
        <translation>Es ist keine Datei zum Verlängern geöffnet.</translation>
    </message>
    <message>
        <source>Only a WAV file can be extended.</source>
        <translation>Nur eine WAV-Datei kann verlängert werden.</translation>
    </message>
    <message>
        <source>%1 bytes is not a whole number of frames.</source>
        <translation>%1 Bytes sind keine ganze Zahl von Frames.</translation>
    </message>
    <message>
        <source>Cannot extend</source>
        <translation>Fehler beim Verlängern von</translation>
    </message>
    <message>
        <source>Cannot complete</source>
        <translation>Fehler beim Fertigstellen von</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>Fehler beim Speichern von</translation>
    </message>
    <message>
        <source>Cannot close</source>
        <translation>Fehler beim Schließen von</translation>
    </message>
</context>
<context>
    <name>WavChoices</name>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>%1 bit</source>
        <translation>%1 Bit</translation>
    </message>
    <message>
        <source>%1 %2 Hz; %3; %4</source>
        <translation>%1 %2 Hz; %3; %4</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)</source>
        <translation>Wav-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>%1-Dateien (*.%2)</translation>
    </message>
    <message>
        <source>32 bit float</source>
        <translation>32 Bit Float</translation>
    </message>
</context>
<context>
    <name>frmCapture</name>
    <message>
        <source>Tarvell Recorder</source>
        <translation>Tarvell Recorder</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Record Wizard</source>
        <translation>Aufnahme-Assistent</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modus</translation>
    </message>
    <message>
        <source>&amp;Play &amp;&amp; Record</source>
        <translation>&amp;Wiedergabe &amp;&amp; Aufnahme</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Aufnahme</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Start recording when media file starts</source>
        <translation>Aufnahme starten, wenn die Mediendatei startet</translation>
    </message>
    <message>
        <source>Stop recording when media file stops</source>
        <translation>Aufnahme beenden, wenn die Mediendatei endet</translation>
    </message>
    <message>
        <source>Next Level Display Style</source>
        <translation>Nächste Pegelanzeige</translation>
    </message>
    <message>
        <source>More &amp;Tools...</source>
        <translation>Weitere &amp;Werkzeuge...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Medienplayer</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Br&amp;owse...</source>
        <translation>Su&amp;chen...</translation>
    </message>
    <message>
        <source>&amp;URL</source>
        <translation>&amp;URL</translation>
    </message>
    <message>
        <source>Sound Recorder</source>
        <translation>Rekorder</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Such&amp;en...</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Abspie&amp;len</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Se&amp;t</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Quelle:</translation>
    </message>
    <message>
        <source>We strongly recommend you select &apos;Stereo Mix&apos; to record most sound. The name for &apos;Stereo Mix&apos; could be &apos;Sound Mix&apos;, &apos;WAV Mix&apos; etc.</source>
        <translation>Wir empfehlen dringend, „Stereo Mix“ zu wählen, um den meisten Ton aufzunehmen. „Stereo Mix“ kann auch „Sound Mix“, „WAV Mix“ usw. heißen.</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Balance:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Pegel:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Ready to record</source>
        <translation>Bereit zur Aufnahme</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>File size:</source>
        <translation>Dateigröße:</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Pfad-/Dateizugriffsfehler: %1</translation>
    </message>
    <message>
        <source>%1 is not here now: recording from %2.</source>
        <translation>%1 ist jetzt nicht da: Aufnahme von %2.</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Laufzeitfehler „%1“:

%2</translation>
    </message>
    <message>
        <source>The recording %1 was interrupted before it was finished. It has been put right and holds %2 of sound (%3 s).</source>
        <translation>Die Aufnahme %1 wurde unterbrochen, bevor sie fertig war. Sie wurde repariert und enthält %2 Ton (%3 s).</translation>
    </message>
    <message>
        <source>The recording cannot be written as %1: %2</source>
        <translation>Die Aufnahme kann nicht als %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Converted from %1 Hz</source>
        <translation>Umgewandelt aus %1 Hz</translation>
    </message>
    <message>
        <source>This device runs at %1 Hz; the recorder converts its sound to the recording&apos;s %2 Hz.</source>
        <translation>Dieses Gerät läuft mit %1 Hz; der Rekorder wandelt seinen Ton in die %2 Hz der Aufnahme um.</translation>
    </message>
    <message>
        <source>Please input the URL</source>
        <translation>Bitte geben Sie die URL ein</translation>
    </message>
    <message>
        <source>mms:// or http://</source>
        <translation>mms:// oder http://</translation>
    </message>
    <message>
        <source>Can not initialize sound device. If you started other sound recorder, please exit it before run this application</source>
        <translation>Das Soundgerät kann nicht initialisiert werden. Wenn Sie einen anderen Rekorder gestartet haben, beenden Sie ihn bitte, bevor Sie dieses Programm starten.</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Gerät:</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Next level display style</source>
        <translation>Nächster Stil der Pegelanzeige</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 and all sound</source>
        <translation>%1 und aller Ton</translation>
    </message>
</context>
<context>
    <name>frmWizard</name>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Wizard - Tarvell Recorder</source>
        <translation>Assistent – Tarvell Recorder</translation>
    </message>
    <message>
        <source>Please choose one method to record sound:</source>
        <translation>Bitte wählen Sie, wie Sie Ton aufnehmen möchten:</translation>
    </message>
    <message>
        <source>Record sound from a media file.</source>
        <translation>Ton aus einer Mediendatei aufnehmen.</translation>
    </message>
    <message>
        <source>Record sound from a URL.</source>
        <translation>Ton von einer URL aufnehmen.</translation>
    </message>
    <message>
        <source>Record sound from another application.<byte value="xd"/>
(From a game, a media player, etc.)</source>
        <translation>Ton aus einer anderen Anwendung aufnehmen.<byte value="xd"/>
(Aus einem Spiel, einem Medienplayer usw.)</translation>
    </message>
    <message>
        <source>Please specify the filename of the media file:</source>
        <translation>Bitte geben Sie den Namen der Mediendatei an:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Su&amp;chen...</translation>
    </message>
    <message>
        <source>Play the media file and record sound now.</source>
        <translation>Mediendatei abspielen und gleich aufnehmen.</translation>
    </message>
    <message>
        <source>Play the media file now. I want to record it later.</source>
        <translation>Mediendatei jetzt abspielen, später aufnehmen.</translation>
    </message>
    <message>
        <source>Open the media file now. I want to play it later.</source>
        <translation>Mediendatei jetzt öffnen, später abspielen.</translation>
    </message>
    <message>
        <source>Recorded sound will be saved as:</source>
        <translation>Der aufgenommene Ton wird gespeichert als:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>Record now.</source>
        <translation>Jetzt aufnehmen.</translation>
    </message>
    <message>
        <source>Fr&amp;om:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>Record everything the computer plays, or one application alone</source>
        <translation>Alles aufnehmen, was der Computer abspielt, oder nur eine Anwendung</translation>
    </message>
    <message>
        <source>Please input the URL:</source>
        <translation>Bitte geben Sie die URL ein:</translation>
    </message>
    <message>
        <source>mms:// or http://</source>
        <translation>mms:// oder http://</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>All sound</source>
        <translation>Aller Ton</translation>
    </message>
    <message>
        <source>Cannot find the media file</source>
        <translation>Die Mediendatei wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Please input the filename</source>
        <translation>Bitte geben Sie einen Dateinamen ein</translation>
    </message>
    <message>
        <source>Please input the URL</source>
        <translation>Bitte geben Sie die URL ein</translation>
    </message>
    <message>
        <source>Record a conversation.<byte value="xd"/>
(Your microphone and another application)</source>
        <translation>Ein Gespräch aufnehmen.<byte value="xd"/>
(Ihr Mikrofon und eine andere Anwendung)</translation>
    </message>
    <message>
        <source>&amp;Microphone:</source>
        <translation>&amp;Mikrofon:</translation>
    </message>
    <message>
        <source>There is no microphone to record from</source>
        <translation>Es gibt kein Mikrofon zum Aufnehmen</translation>
    </message>
    <message>
        <source>Mi&amp;x together</source>
        <translation>Mi&amp;schen</translation>
    </message>
    <message>
        <source>Off: your microphone in the left channel, the other side in the right, to edit each later. On: one sound, each at half its level.</source>
        <translation>Aus: Ihr Mikrofon im linken Kanal, die Gegenseite im rechten, um beide später zu bearbeiten. An: ein Ton, jeder mit halbem Pegel.</translation>
    </message>
</context>
<context>
    <name>tarvell-rec</name>
    <message>
        <source> (see --help)</source>
        <translation> (siehe --help)</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 ist mehrfach angegeben</translation>
    </message>
    <message>
        <source>--json goes with --list</source>
        <translation>--json gehört zu --list</translation>
    </message>
    <message>
        <source>--list-formats goes alone</source>
        <translation>--list-formats steht allein</translation>
    </message>
    <message>
        <source>--list takes no file</source>
        <translation>--list nimmt keine Datei</translation>
    </message>
    <message>
        <source>no file to record into (see --help)</source>
        <translation>keine Datei für die Aufnahme (siehe --help)</translation>
    </message>
    <message>
        <source>one file only, not %1 (quote a name with spaces)</source>
        <translation>nur eine Datei, nicht %1 (Namen mit Leerzeichen in Anführungszeichen setzen)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
    <message>
        <source>--type &quot;%1&quot; is not offered; the types are wav, flac, opus, vorbis and mp3</source>
        <translation>--type „%1“ wird nicht angeboten; die Typen sind wav, flac, opus, vorbis und mp3</translation>
    </message>
    <message>
        <source>--quality &quot;%1&quot; is not offered; the qualities are speech, music and best</source>
        <translation>--quality „%1“ wird nicht angeboten; die Qualitäten sind speech, music und best</translation>
    </message>
    <message>
        <source>--rate %1: %2; the nearest is %3 Hz</source>
        <translation>--rate %1: %2; am nächsten liegt %3 Hz</translation>
    </message>
    <message>
        <source>--duration &quot;%1&quot; is not a length of time above 0 (such as 90, 1:30, 1:02:03, 90s, 2m or 1h)</source>
        <translation>--duration „%1“ ist keine Zeitdauer über 0 (etwa 90, 1:30, 1:02:03, 90s, 2m oder 1h)</translation>
    </message>
    <message>
        <source>an empty device, line or application name</source>
        <translation>ein leerer Geräte-, Quellen- oder Anwendungsname</translation>
    </message>
    <message>
        <source>--app chooses the line itself: not with --device or --line</source>
        <translation>--app wählt die Quelle selbst: nicht zusammen mit --device oder --line</translation>
    </message>
    <message>
        <source>; there are no capture devices</source>
        <translation>; es gibt keine Aufnahmegeräte</translation>
    </message>
    <message>
        <source>; the devices and their lines are:
</source>
        <translation>; die Geräte und ihre Quellen sind:
</translation>
    </message>
    <message>
        <source>the sound server has no capture devices</source>
        <translation>der Soundserver hat keine Aufnahmegeräte</translation>
    </message>
    <message>
        <source>no device &quot;%1&quot;</source>
        <translation>kein Gerät „%1“</translation>
    </message>
    <message>
        <source>several devices have a line &quot;%1&quot;; choose one with --device</source>
        <translation>mehrere Geräte haben eine Quelle „%1“; wählen Sie eines mit --device</translation>
    </message>
    <message>
        <source>no line &quot;%1&quot; on %2</source>
        <translation>keine Quelle „%1“ an %2</translation>
    </message>
    <message>
        <source>the device %1 has nothing to record from</source>
        <translation>das Gerät %1 hat nichts, wovon aufgenommen werden kann</translation>
    </message>
    <message>
        <source>%1 (stream %2)</source>
        <translation>%1 (Stream %2)</translation>
    </message>
    <message>
        <source>no application &quot;%1&quot;: no application is playing now</source>
        <translation>keine Anwendung „%1“: derzeit spielt keine Anwendung</translation>
    </message>
    <message>
        <source>no application &quot;%1&quot;; playing now: %2</source>
        <translation>keine Anwendung „%1“; derzeit spielen: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not valid UTF-8; give the name in UTF-8</source>
        <translation>„%1“ ist kein gültiges UTF-8; geben Sie den Namen in UTF-8 an</translation>
    </message>
    <message>
        <source>no sound server answers (is PulseAudio or PipeWire running for this user, with XDG_RUNTIME_DIR set?)</source>
        <translation>kein Soundserver antwortet (läuft PulseAudio oder PipeWire für diesen Benutzer, und ist XDG_RUNTIME_DIR gesetzt?)</translation>
    </message>
    <message>
        <source>%1: is a folder; give the name of a file to record into</source>
        <translation>%1: ist ein Ordner; geben Sie den Namen einer Datei für die Aufnahme an</translation>
    </message>
    <message>
        <source>%1: exists; give --force to replace it</source>
        <translation>%1: existiert; geben Sie --force an, um sie zu ersetzen</translation>
    </message>
    <message>
        <source>cannot catch Ctrl+C: %1</source>
        <translation>Strg+C kann nicht abgefangen werden: %1</translation>
    </message>
    <message>
        <source>the device %1 was removed while recording</source>
        <translation>das Gerät %1 wurde während der Aufnahme entfernt</translation>
    </message>
    <message>
        <source>the sound server went away while recording (%1)</source>
        <translation>der Soundserver ist während der Aufnahme verschwunden (%1)</translation>
    </message>
    <message>
        <source>the capture stopped: %1</source>
        <translation>die Aufnahme wurde beendet: %1</translation>
    </message>
    <message>
        <source>%1 not read in time</source>
        <translation>%1 nicht rechtzeitig gelesen</translation>
    </message>
    <message>
        <source>%1 the server left out (silence in its place)</source>
        <translation>%1 vom Server ausgelassen (Stille an ihrer Stelle)</translation>
    </message>
    <message>
        <source>sound lost at %1: %2</source>
        <translation>Ton verloren bei %1: %2</translation>
    </message>
    <message>
        <source>%1: %2 stopped playing at %3; waiting for its next sound</source>
        <translation>%1: %2 hat bei %3 aufgehört zu spielen; warte auf den nächsten Ton</translation>
    </message>
    <message>
        <source>no sound at %3: everything below %1 dBFS for %2 s; check the line and its volume</source>
        <translation>kein Ton bei %3: alles unter %1 dBFS seit %2 s; prüfen Sie die Quelle und ihre Lautstärke</translation>
    </message>
    <message>
        <source>sound again at %1</source>
        <translation>wieder Ton bei %1</translation>
    </message>
    <message>
        <source>clipping at %1: samples at full scale; lower the line&apos;s volume</source>
        <translation>Übersteuerung bei %1: Samples im Vollausschlag; verringern Sie die Lautstärke der Quelle</translation>
    </message>
    <message>
        <source>the device runs at %1 Hz; converting to %2 Hz</source>
        <translation>das Gerät läuft mit %1 Hz; Umwandlung in %2 Hz</translation>
    </message>
    <message>
        <source>cannot record from %1: %2</source>
        <translation>Aufnahme von %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>%1%2; the file holds the %3 recorded until then</source>
        <translation>%1%2; die Datei enthält die %3, die bis dahin aufgenommen wurden</translation>
    </message>
    <message>
        <source>Recorded %1 into %2 (%3)
</source>
        <translation>%1 in %2 aufgenommen (%3)
</translation>
    </message>
    <message>
        <source>%1: %2 of sound was lost while recording</source>
        <translation>%1: %2 Ton ging während der Aufnahme verloren</translation>
    </message>
    <message>
        <source>no sound for %1 s</source>
        <translation>kein Ton für %1 s</translation>
    </message>
    <message>
        <source> in all</source>
        <translation> insgesamt</translation>
    </message>
    <message>
        <source>clipped once</source>
        <translation>einmal übersteuert</translation>
    </message>
    <message>
        <source>clipped %1 times</source>
        <translation>%1-mal übersteuert</translation>
    </message>
    <message>
        <source>NO SOUND %1 s  </source>
        <translation>KEIN TON %1 s  </translation>
    </message>
    <message>
        <source>CLIPPING %1 in %2 s  </source>
        <translation>ÜBERSTEUERT %1 in %2 s  </translation>
    </message>
    <message>
        <source>  waiting for %1</source>
        <translation>  warte auf %1</translation>
    </message>
    <message>
        <source>  lost %1</source>
        <translation>  verloren %1</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not offered; the formats are rates %3 Hz, 1 or 2 channels (mono, stereo), 8, 16, 24 or 32 (float) bits</source>
        <translation>--%1 „%2“ wird nicht angeboten; die Formate sind Raten von %3 Hz, 1 oder 2 Kanäle (mono, stereo), 8, 16, 24 oder 32 (float) Bit</translation>
    </message>
    <message>
        <source>--layout goes with --also</source>
        <translation>--layout gehört zu --also</translation>
    </message>
    <message>
        <source>--layout &quot;%1&quot; is not offered; the layouts are split and mixed</source>
        <translation>--layout &quot;%1&quot; wird nicht angeboten; die Anordnungen sind split und mixed</translation>
    </message>
    <message>
        <source>--also puts each source in a channel of its own: record in stereo, or give --layout mixed</source>
        <translation>--also legt jede Quelle in einen eigenen Kanal: in Stereo aufnehmen oder --layout mixed angeben</translation>
    </message>
    <message>
        <source>no sound from %1 at %2 for %3 s</source>
        <translation>kein Ton von %1 bei %2 seit %3 s</translation>
    </message>
    <message>
        <source>%1 stopped playing at %2; its half is silent until its next sound</source>
        <translation>%1 hat bei %2 aufgehört zu spielen; seine Hälfte bleibt bis zum nächsten Ton still</translation>
    </message>
    <message>
        <source>%1 is no longer recorded (%2); its half is silent from %3 on</source>
        <translation>%1 wird nicht mehr aufgenommen (%2); seine Hälfte ist ab %3 still</translation>
    </message>
    <message>
        <source>recording %1 in the left channel and %2 in the right</source>
        <translation>Aufnahme von %1 im linken Kanal und %2 im rechten</translation>
    </message>
    <message>
        <source>recording %1 and %2 mixed</source>
        <translation>Aufnahme von %1 und %2 gemischt</translation>
    </message>
    <message>
        <source>%1: %2 of the sound of %3 was lost while recording</source>
        <translation>%1: %2 vom Ton von %3 gingen bei der Aufnahme verloren</translation>
    </message>
</context>
</TS>
