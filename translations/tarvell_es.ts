<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>no se encontró en el servidor (HTTP %1)</translation>
    </message>
    <message>
        <source>the server refused it (HTTP %1)</source>
        <translation>el servidor lo rechazó (HTTP %1)</translation>
    </message>
    <message>
        <source>not a media stream: the server sends %1</source>
        <translation>no es un flujo multimedia: el servidor envía %1</translation>
    </message>
    <message>
        <source>the connection was refused: nothing answers at %1</source>
        <translation>la conexión fue rechazada: nada responde en %1</translation>
    </message>
    <message>
        <source>the host %1 was not found</source>
        <translation>no se encontró el equipo %1</translation>
    </message>
    <message>
        <source>the server at %1 does not answer</source>
        <translation>el servidor en %1 no responde</translation>
    </message>
</context>
<context>
    <name>AudioDisplayWidget</name>
    <message>
        <source>Level display</source>
        <translation>Indicador de nivel</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>Osciloscopio</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Espectro</translation>
    </message>
    <message>
        <source>Level meters</source>
        <translation>Medidores de nivel</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>Level history</source>
        <translation>Historial de nivel</translation>
    </message>
</context>
<context>
    <name>AudioFailure</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>Conversation</name>
    <message>
        <source>A conversation with each source in a channel of its own is recorded in stereo.</source>
        <translation>Una conversación con cada fuente en su propio canal se graba en estéreo.</translation>
    </message>
    <message>
        <source>The second source cannot be recorded: %1</source>
        <translation>No se puede grabar la segunda fuente: %1</translation>
    </message>
</context>
<context>
    <name>FileChoice</name>
    <message>
        <source>Speech</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Máxima</translation>
    </message>
</context>
<context>
    <name>FileType</name>
    <message>
        <source>%1 holds 8, 12, 16, 24 or 48 kHz only</source>
        <translation>%1 solo admite 8, 12, 16, 24 o 48 kHz</translation>
    </message>
</context>
<context>
    <name>FormFlash</name>
    <message>
        <source>Version 5.0</source>
        <translation>Versión 5.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tarvell Recorder developers</source>
        <translation>Copyright © 2026 Los desarrolladores de Tarvell Recorder</translation>
    </message>
    <message>
        <source>Tarvell Recorder</source>
        <translation>Tarvell Recorder</translation>
    </message>
    <message>
        <source>Records what your computer hears</source>
        <translation>Graba lo que oye su ordenador</translation>
    </message>
</context>
<context>
    <name>FormWAV</name>
    <message>
        <source>WAV Option</source>
        <translation>Opciones WAV</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Smallest file size</source>
        <translation>Archivo más pequeño</translation>
    </message>
    <message>
        <source>Best sound quality</source>
        <translation>Mejor calidad de sonido</translation>
    </message>
    <message>
        <source> Frequency (Hz) </source>
        <translation> Frecuencia (Hz) </translation>
    </message>
    <message>
        <source> Channels Mode </source>
        <translation> Canales </translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source> Bits Per Sample </source>
        <translation> Bits por muestra </translation>
    </message>
    <message>
        <source>8 Bit</source>
        <translation>8 bits</translation>
    </message>
    <message>
        <source>16 Bit</source>
        <translation>16 bits</translation>
    </message>
    <message>
        <source> File Type </source>
        <translation> Tipo de archivo </translation>
    </message>
    <message>
        <source>The kind of file the recording is written as. A name that ends in .wav, .flac, .opus, .ogg or .mp3 chooses it too.</source>
        <translation>El tipo de archivo en que se escribe la grabación. Un nombre que termina en .wav, .flac, .opus, .ogg o .mp3 también lo elige.</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>Speech makes the smallest files, Best the largest.</source>
        <translation>«Voz» da los archivos más pequeños y «Máxima» los más grandes.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The recording cannot be written as %1: %2</source>
        <translation>La grabación no se puede escribir como %1: %2</translation>
    </message>
    <message>
        <source>%1: %2 Hz is chosen instead of %3 Hz.</source>
        <translation>%1: se elige %2 Hz en lugar de %3 Hz.</translation>
    </message>
    <message>
        <source>%1 files are made from 16-bit sound.</source>
        <translation>Los archivos %1 se hacen con sonido de 16 bits.</translation>
    </message>
    <message>
        <source>24 Bit</source>
        <translation>24 bits</translation>
    </message>
    <message>
        <source>32 Bit Float</source>
        <translation>32 bits flotante</translation>
    </message>
    <message>
        <source>Keeps sound that goes past full scale, to be turned down when it is edited.</source>
        <translation>Conserva el sonido que pasa de la escala completa, para bajarlo al editarlo.</translation>
    </message>
    <message>
        <source>%1 files keep float sound in 24 bits.</source>
        <translation>Los archivos %1 guardan el sonido flotante en 24 bits.</translation>
    </message>
</context>
<context>
    <name>FrmPlayWav</name>
    <message>
        <source>Wav Player</source>
        <translation>Reproductor Wav</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tarvell Recorder Help</source>
        <translation>Ayuda de Tarvell Recorder</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help pages are missing&lt;/h2&gt;&lt;p&gt;Tarvell Recorder could not find its help pages. They belong in the folder &lt;b&gt;help&lt;/b&gt; beside the program, or, for an installed program, in &lt;b&gt;share/tarvell-recorder/help&lt;/b&gt; of the folder it was installed into.&lt;/p&gt;&lt;p&gt;Installing the program again puts them back. Everything else works without them.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Faltan las páginas de ayuda&lt;/h2&gt;&lt;p&gt;Tarvell Recorder no encontró sus páginas de ayuda. Deben estar en la carpeta &lt;b&gt;help&lt;/b&gt; junto al programa o, en un programa instalado, en &lt;b&gt;share/tarvell-recorder/help&lt;/b&gt; de la carpeta de instalación.&lt;/p&gt;&lt;p&gt;Al instalar de nuevo el programa vuelven a su sitio. Todo lo demás funciona sin ellas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Índice</translation>
    </message>
</context>
<context>
    <name>MediaFilters</name>
    <message>
        <source>Media files (all types)</source>
        <translation>Archivos multimedia (todos los tipos)</translation>
    </message>
    <message>
        <source>Audio file (*.wav;*.flac;*.opus;*.ogg;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3)</source>
        <translation>Archivo de audio (*.wav;*.flac;*.opus;*.ogg;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3)</translation>
    </message>
    <message>
        <source>MIDI file (*.mid;*.rmi;*.midi)</source>
        <translation>Archivo MIDI (*.mid;*.rmi;*.midi)</translation>
    </message>
    <message>
        <source>Movie File (MPEG) (*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe)</source>
        <translation>Archivo de película (MPEG) (*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe)</translation>
    </message>
    <message>
        <source>Video file (*.avi;*.wmv)</source>
        <translation>Archivo de vídeo (*.avi;*.wmv)</translation>
    </message>
    <message>
        <source>Windows Media file (*.asf;*.wm;*.wma;*.wmv)</source>
        <translation>Archivo de Windows Media (*.asf;*.wm;*.wma;*.wmv)</translation>
    </message>
    <message>
        <source>Media Playlist (*.asx;*.wax;*.m3u;*.wvx;*.wmx)</source>
        <translation>Lista de reproducción (*.asx;*.wax;*.m3u;*.wvx;*.wmx)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
</context>
<context>
    <name>MediaPlayerWidget</name>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>its format is not supported</source>
        <translation>su formato no es compatible</translation>
    </message>
    <message>
        <source>the network failed</source>
        <translation>la red falló</translation>
    </message>
    <message>
        <source>access was denied</source>
        <translation>se denegó el acceso</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>this is not a valid address</source>
        <translation>no es una dirección válida</translation>
    </message>
    <message>
        <source>Cannot play this address: %1</source>
        <translation>No se puede reproducir esta dirección: %1</translation>
    </message>
    <message>
        <source>Cannot play this file: %1</source>
        <translation>No se puede reproducir este archivo: %1</translation>
    </message>
    <message>
        <source>No media</source>
        <translation>Sin medio</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Buffering... %1%</source>
        <translation>Almacenando en búfer... %1%</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Reproduciendo</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Abriendo...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>PulseAudioRecord</name>
    <message>
        <source>The connection to the sound server was lost (%1).</source>
        <translation>Se perdió la conexión con el servidor de sonido (%1).</translation>
    </message>
    <message>
        <source>Unsupported recording format.</source>
        <translation>Formato de grabación no compatible.</translation>
    </message>
    <message>
        <source>The block length must be positive.</source>
        <translation>La longitud del bloque debe ser positiva.</translation>
    </message>
    <message>
        <source>This device has nothing to record from.</source>
        <translation>Este dispositivo no tiene nada que grabar.</translation>
    </message>
    <message>
        <source>There is no connection to the sound server.</source>
        <translation>No hay conexión con el servidor de sonido.</translation>
    </message>
    <message>
        <source>There is no such source line.</source>
        <translation>No existe esa fuente.</translation>
    </message>
    <message>
        <source>The source line %1 is gone.</source>
        <translation>La fuente %1 ya no está.</translation>
    </message>
    <message>
        <source>There is no such device.</source>
        <translation>No existe ese dispositivo.</translation>
    </message>
    <message>
        <source>There is no device %1.</source>
        <translation>No hay ningún dispositivo %1.</translation>
    </message>
    <message>
        <source>There is no source line %1.</source>
        <translation>No hay ninguna fuente %1.</translation>
    </message>
    <message>
        <source>The volume must be between 0 and 65535.</source>
        <translation>El volumen debe estar entre 0 y 65535.</translation>
    </message>
    <message>
        <source>The balance must be between 0 and 100.</source>
        <translation>El balance debe estar entre 0 y 100.</translation>
    </message>
    <message>
        <source>This source line has no balance.</source>
        <translation>Esta fuente no tiene balance.</translation>
    </message>
</context>
<context>
    <name>PulseCapture</name>
    <message>
        <source>There is no connection to the sound server.</source>
        <translation>No hay conexión con el servidor de sonido.</translation>
    </message>
    <message>
        <source>The sound server refused to record from %1.</source>
        <translation>El servidor de sonido se negó a grabar desde %1.</translation>
    </message>
    <message>
        <source>The sound server did not start recording in time.</source>
        <translation>El servidor de sonido no empezó a grabar a tiempo.</translation>
    </message>
    <message>
        <source>The recording device was removed.</source>
        <translation>Se quitó el dispositivo de grabación.</translation>
    </message>
</context>
<context>
    <name>PulseServer</name>
    <message>
        <source>There is no connection to the sound server.</source>
        <translation>No hay conexión con el servidor de sonido.</translation>
    </message>
    <message>
        <source>The sound server did not answer in time.</source>
        <translation>El servidor de sonido no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The sound server refused the volume of %1.</source>
        <translation>El servidor de sonido rechazó el volumen de %1.</translation>
    </message>
    <message>
        <source>The sound server refused port %1 of %2.</source>
        <translation>El servidor de sonido rechazó el puerto %1 de %2.</translation>
    </message>
</context>
<context>
    <name>RecordingControl</name>
    <message>
        <source>The recording was stopped: %1</source>
        <translation>La grabación se detuvo: %1</translation>
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
        <translation>una vez</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 veces</translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation>Grabando...</translation>
    </message>
    <message>
        <source>%1.
Record at %2 Hz instead of %3 Hz?</source>
        <translation>%1.
¿Grabar a %2 Hz en lugar de %3 Hz?</translation>
    </message>
    <message>
        <source>The recording cannot be written as %1: %2</source>
        <translation>La grabación no se puede escribir como %1: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please input the filename</source>
        <translation>Escriba el nombre del archivo</translation>
    </message>
    <message>
        <source>There is no connection to the sound server, so there is nothing to record from. No file was created or changed.</source>
        <translation>No hay conexión con el servidor de sonido, así que no hay nada que grabar. No se creó ni cambió ningún archivo.</translation>
    </message>
    <message>
        <source>The file %1 already exists.
Do you want to replace it?</source>
        <translation>El archivo %1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>File size: </source>
        <translation>Tamaño: </translation>
    </message>
    <message>
        <source> KB</source>
        <translation> KB</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Elapsed: </source>
        <translation>Tiempo: </translation>
    </message>
    <message>
        <source>The recording device was removed.</source>
        <translation>Se quitó el dispositivo de grabación.</translation>
    </message>
    <message>
        <source>What was recorded until then is in:
%1</source>
        <translation>Lo grabado hasta entonces está en:
%1</translation>
    </message>
    <message>
        <source>Everything else is in:
%1</source>
        <translation>Todo lo demás está en:
%1</translation>
    </message>
    <message>
        <source>Ready to record</source>
        <translation>Listo para grabar</translation>
    </message>
    <message>
        <source>No sound server</source>
        <translation>Sin servidor de sonido</translation>
    </message>
    <message>
        <source>There is no connection to the sound server (PulseAudio or PipeWire). The lists fill and monitoring starts again as soon as it answers.</source>
        <translation>No hay conexión con el servidor de sonido (PulseAudio o PipeWire). Las listas se llenan y la escucha vuelve a empezar en cuanto responda.</translation>
    </message>
    <message>
        <source>No sound for %1 s: check the Source</source>
        <translation>Sin sonido durante %1 s: revise la fuente</translation>
    </message>
    <message>
        <source>No sound for %1, since %2: everything is below %3 dBFS. Check the Source, its Volume, and that something plays into it.</source>
        <translation>Sin sonido durante %1, desde %2: todo está por debajo de %3 dBFS. Revise la fuente, su volumen y que algo suene en ella.</translation>
    </message>
    <message>
        <source>Clipping: %1 in %2 s</source>
        <translation>Saturación: %1 en %2 s</translation>
    </message>
    <message>
        <source>Clipping: the sound reached full scale %1 in the last %2 s (%3 since the start) and is distorted there. Lower the Volume.</source>
        <translation>Saturación: el sonido llegó al fondo de escala %1 en los últimos %2 s (%3 desde el inicio) y ahí está distorsionado. Baje el volumen.</translation>
    </message>
    <message>
        <source>%1 s lost at %2</source>
        <translation>%1 s perdidos en %2</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>Esperando a %1...</translation>
    </message>
    <message>
        <source>%1 has stopped playing. The recording goes on when it plays again; nothing else is recorded meanwhile. Stop ends the recording.</source>
        <translation>%1 ha dejado de sonar. La grabación sigue cuando vuelva a sonar; mientras tanto no se graba nada más. «Detener» termina la grabación.</translation>
    </message>
    <message>
        <source>%1 silent</source>
        <translation>%1 en silencio</translation>
    </message>
    <message>
        <source>no sound for %1</source>
        <translation>sin sonido durante %1</translation>
    </message>
    <message>
        <source> in all (%1 stretches)</source>
        <translation> en total (%1 tramos)</translation>
    </message>
    <message>
        <source>1 clip</source>
        <translation>1 saturación</translation>
    </message>
    <message>
        <source>%1 clips</source>
        <translation>%1 saturaciones</translation>
    </message>
    <message>
        <source>clipped %1</source>
        <translation>saturado %1</translation>
    </message>
    <message>
        <source>%1 s lost</source>
        <translation>%1 s perdidos</translation>
    </message>
    <message>
        <source>%1 s of sound lost</source>
        <translation>%1 s de sonido perdidos</translation>
    </message>
    <message>
        <source>Last take: </source>
        <translation>Última toma: </translation>
    </message>
    <message>
        <source>Last recording: %1.</source>
        <translation>Última grabación: %1.</translation>
    </message>
    <message>
        <source>%1 s at %2</source>
        <translation>%1 s en %2</translation>
    </message>
    <message>
        <source>Sound was lost during this recording: %1 (%2 s in all).</source>
        <translation>Se perdió sonido durante esta grabación: %1 (%2 s en total).</translation>
    </message>
    <message>
        <source>Recording %1...</source>
        <translation>Grabando %1...</translation>
    </message>
    <message>
        <source>Ready to record %1</source>
        <translation>Listo para grabar %1</translation>
    </message>
    <message>
        <source>No sound from %1 for %2 s</source>
        <translation>Sin sonido de %1 durante %2 s</translation>
    </message>
    <message>
        <source>No sound from %1 for %2, since %3: everything is below %4 dBFS. Check it, its volume, and that something plays into it.</source>
        <translation>Sin sonido de %1 durante %2, desde %3: todo está por debajo de %4 dBFS. Compruebe la fuente, su volumen y que algo suene en ella.</translation>
    </message>
    <message>
        <source>%1 has stopped playing. Its side is silent until it plays again; %2 is recorded meanwhile. Stop ends the recording.</source>
        <translation>%1 ha dejado de sonar. Su lado queda en silencio hasta que vuelva a sonar; mientras tanto se graba %2. Detener termina la grabación.</translation>
    </message>
    <message>
        <source>%1 is no longer recorded</source>
        <translation>%1 ya no se graba</translation>
    </message>
    <message>
        <source>%1 is no longer recorded (%2): its side is silent from then on; %3 is still recorded.</source>
        <translation>%1 ya no se graba (%2): su lado queda en silencio desde entonces; %3 se sigue grabando.</translation>
    </message>
</context>
<context>
    <name>Resampler</name>
    <message>
        <source>Cannot convert %1 Hz to %2 Hz: %3</source>
        <translation>No se puede convertir %1 Hz a %2 Hz: %3</translation>
    </message>
    <message>
        <source>invalid format</source>
        <translation>formato no válido</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Do you want to look for a newer version of Tarvell Recorder?

Yes opens %1 in your web browser.</source>
        <translation>¿Desea buscar una versión más reciente de Tarvell Recorder?

«Sí» abre %1 en su navegador web.</translation>
    </message>
</context>
<context>
    <name>StopSignals</name>
    <message>
        <source>they are caught already</source>
        <translation>ya se están capturando</translation>
    </message>
</context>
<context>
    <name>VorbisWriter</name>
    <message>
        <source>Cannot write the Ogg Vorbis stream: %1</source>
        <translation>No se puede escribir el flujo Ogg Vorbis: %1</translation>
    </message>
    <message>
        <source>The Vorbis encoder cannot make %1 Hz with %2 channel(s) at quality %3.</source>
        <translation>El codificador Vorbis no puede generar %1 Hz con %2 canal(es) a calidad %3.</translation>
    </message>
</context>
<context>
    <name>WavAudioFile</name>
    <message>
        <source>Unsupported recording format: %1 Hz, %2 channel(s), %3 bits.</source>
        <translation>Formato de grabación no compatible: %1 Hz, %2 canal(es), %3 bits.</translation>
    </message>
    <message>
        <source>The second argument of CreateWaveFile must be 0, not %1.</source>
        <translation>El segundo argumento de CreateWaveFile debe ser 0, no %1.</translation>
    </message>
    <message>
        <source>Cannot create</source>
        <translation>No se puede crear</translation>
    </message>
    <message>
        <source>Cannot create %1 as %2: %3</source>
        <translation>No se puede crear %1 como %2: %3</translation>
    </message>
    <message>
        <source>No file is open to write the recording to.</source>
        <translation>No hay ningún archivo abierto donde escribir la grabación.</translation>
    </message>
    <message>
        <source>Cannot write to</source>
        <translation>No se puede escribir en</translation>
    </message>
    <message>
        <source>Cannot update the header of</source>
        <translation>No se puede actualizar la cabecera de</translation>
    </message>
    <message>
        <source>No file is open to extend.</source>
        <translation>No hay ningún archivo abierto que ampliar.</translation>
    </message>
    <message>
        <source>Only a WAV file can be extended.</source>
        <translation>Solo se puede ampliar un archivo WAV.</translation>
    </message>
    <message>
        <source>%1 bytes is not a whole number of frames.</source>
        <translation>%1 bytes no son un número entero de tramas.</translation>
    </message>
    <message>
        <source>Cannot extend</source>
        <translation>No se puede ampliar</translation>
    </message>
    <message>
        <source>Cannot complete</source>
        <translation>No se puede completar</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>No se puede guardar</translation>
    </message>
    <message>
        <source>Cannot close</source>
        <translation>No se puede cerrar</translation>
    </message>
</context>
<context>
    <name>WavChoices</name>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>%1 bit</source>
        <translation>%1 bits</translation>
    </message>
    <message>
        <source>%1 %2 Hz; %3; %4</source>
        <translation>%1 %2 Hz; %3; %4</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)</source>
        <translation>Archivos Wav (*.wav)</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>Archivos %1 (*.%2)</translation>
    </message>
    <message>
        <source>32 bit float</source>
        <translation>32 bits flotante</translation>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Record Wizard</source>
        <translation>Asistente de grabación</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modo</translation>
    </message>
    <message>
        <source>&amp;Play &amp;&amp; Record</source>
        <translation>&amp;Reproducir &amp;&amp; grabar</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>Re&amp;producir</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Start recording when media file starts</source>
        <translation>Grabar cuando empiece el archivo multimedia</translation>
    </message>
    <message>
        <source>Stop recording when media file stops</source>
        <translation>Detener la grabación cuando termine el archivo multimedia</translation>
    </message>
    <message>
        <source>Next Level Display Style</source>
        <translation>Siguiente estilo de indicador</translation>
    </message>
    <message>
        <source>More &amp;Tools...</source>
        <translation>Más &amp;herramientas...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Reproductor multimedia</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Br&amp;owse...</source>
        <translation>Bu&amp;scar...</translation>
    </message>
    <message>
        <source>&amp;URL</source>
        <translation>&amp;URL</translation>
    </message>
    <message>
        <source>Sound Recorder</source>
        <translation>Grabadora</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Oír</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>Se&amp;t</source>
        <translation>Cam&amp;biar</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Fuente:</translation>
    </message>
    <message>
        <source>We strongly recommend you select &apos;Stereo Mix&apos; to record most sound. The name for &apos;Stereo Mix&apos; could be &apos;Sound Mix&apos;, &apos;WAV Mix&apos; etc.</source>
        <translation>Le recomendamos elegir «Stereo Mix» para grabar la mayoría de los sonidos. «Stereo Mix» también puede llamarse «Sound Mix», «WAV Mix», etc.</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Balance:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volumen:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Ready to record</source>
        <translation>Listo para grabar</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>File size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Error de acceso a la ruta o al archivo: %1</translation>
    </message>
    <message>
        <source>%1 is not here now: recording from %2.</source>
        <translation>%1 no está ahora: se graba desde %2.</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Error en tiempo de ejecución «%1»:

%2</translation>
    </message>
    <message>
        <source>The recording %1 was interrupted before it was finished. It has been put right and holds %2 of sound (%3 s).</source>
        <translation>La grabación %1 se interrumpió antes de terminar. Se ha reparado y contiene %2 de sonido (%3 s).</translation>
    </message>
    <message>
        <source>The recording cannot be written as %1: %2</source>
        <translation>La grabación no se puede escribir como %1: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Converted from %1 Hz</source>
        <translation>Convertido desde %1 Hz</translation>
    </message>
    <message>
        <source>This device runs at %1 Hz; the recorder converts its sound to the recording&apos;s %2 Hz.</source>
        <translation>Este dispositivo funciona a %1 Hz; la grabadora convierte su sonido a los %2 Hz de la grabación.</translation>
    </message>
    <message>
        <source>Please input the URL</source>
        <translation>Escriba la URL</translation>
    </message>
    <message>
        <source>mms:// or http://</source>
        <translation>mms:// o http://</translation>
    </message>
    <message>
        <source>Can not initialize sound device. If you started other sound recorder, please exit it before run this application</source>
        <translation>No se puede iniciar el dispositivo de sonido. Si abrió otra grabadora, ciérrela antes de ejecutar este programa.</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Tarjeta:</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>Next level display style</source>
        <translation>Siguiente estilo del indicador de nivel</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 and all sound</source>
        <translation>%1 y todo el sonido</translation>
    </message>
</context>
<context>
    <name>frmWizard</name>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Finalizar</translation>
    </message>
    <message>
        <source>Wizard - Tarvell Recorder</source>
        <translation>Asistente - Tarvell Recorder</translation>
    </message>
    <message>
        <source>Please choose one method to record sound:</source>
        <translation>Elija cómo desea grabar el sonido:</translation>
    </message>
    <message>
        <source>Record sound from a media file.</source>
        <translation>Grabar el sonido de un archivo multimedia.</translation>
    </message>
    <message>
        <source>Record sound from a URL.</source>
        <translation>Grabar el sonido de una URL.</translation>
    </message>
    <message>
        <source>Record sound from another application.<byte value="xd"/>
(From a game, a media player, etc.)</source>
        <translation>Grabar el sonido de otra aplicación.<byte value="xd"/>
(Un juego, un reproductor multimedia, etc.)</translation>
    </message>
    <message>
        <source>Please specify the filename of the media file:</source>
        <translation>Indique el nombre del archivo multimedia:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Bu&amp;scar...</translation>
    </message>
    <message>
        <source>Play the media file and record sound now.</source>
        <translation>Reproducir el archivo y grabar ahora.</translation>
    </message>
    <message>
        <source>Play the media file now. I want to record it later.</source>
        <translation>Reproducir ahora, grabar más tarde.</translation>
    </message>
    <message>
        <source>Open the media file now. I want to play it later.</source>
        <translation>Abrir el archivo ahora, reproducirlo después.</translation>
    </message>
    <message>
        <source>Recorded sound will be saved as:</source>
        <translation>El sonido grabado se guardará como:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>Cam&amp;biar</translation>
    </message>
    <message>
        <source>Record now.</source>
        <translation>Grabar ahora.</translation>
    </message>
    <message>
        <source>Fr&amp;om:</source>
        <translation>&amp;De:</translation>
    </message>
    <message>
        <source>Record everything the computer plays, or one application alone</source>
        <translation>Grabar todo lo que suena en el ordenador, o solo una aplicación</translation>
    </message>
    <message>
        <source>Please input the URL:</source>
        <translation>Escriba la URL:</translation>
    </message>
    <message>
        <source>mms:// or http://</source>
        <translation>mms:// o http://</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>All sound</source>
        <translation>Todo el sonido</translation>
    </message>
    <message>
        <source>Cannot find the media file</source>
        <translation>No se encuentra el archivo multimedia</translation>
    </message>
    <message>
        <source>Please input the filename</source>
        <translation>Escriba el nombre del archivo</translation>
    </message>
    <message>
        <source>Please input the URL</source>
        <translation>Escriba la URL</translation>
    </message>
    <message>
        <source>Record a conversation.<byte value="xd"/>
(Your microphone and another application)</source>
        <translation>Grabar una conversación.<byte value="xd"/>
(Su micrófono y otra aplicación)</translation>
    </message>
    <message>
        <source>&amp;Microphone:</source>
        <translation>&amp;Micrófono:</translation>
    </message>
    <message>
        <source>There is no microphone to record from</source>
        <translation>No hay ningún micrófono del que grabar</translation>
    </message>
    <message>
        <source>Mi&amp;x together</source>
        <translation>Me&amp;zclar</translation>
    </message>
    <message>
        <source>Off: your microphone in the left channel, the other side in the right, to edit each later. On: one sound, each at half its level.</source>
        <translation>Desactivado: su micrófono en el canal izquierdo, el otro lado en el derecho, para editarlos después. Activado: un solo sonido, cada uno a la mitad de su nivel.</translation>
    </message>
</context>
<context>
    <name>tarvell-rec</name>
    <message>
        <source> (see --help)</source>
        <translation> (vea --help)</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 se indica más de una vez</translation>
    </message>
    <message>
        <source>--json goes with --list</source>
        <translation>--json va con --list</translation>
    </message>
    <message>
        <source>--list-formats goes alone</source>
        <translation>--list-formats va solo</translation>
    </message>
    <message>
        <source>--list takes no file</source>
        <translation>--list no admite archivo</translation>
    </message>
    <message>
        <source>no file to record into (see --help)</source>
        <translation>no hay archivo donde grabar (vea --help)</translation>
    </message>
    <message>
        <source>one file only, not %1 (quote a name with spaces)</source>
        <translation>un solo archivo, no %1 (ponga entre comillas un nombre con espacios)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>el nombre del archivo está vacío</translation>
    </message>
    <message>
        <source>--type &quot;%1&quot; is not offered; the types are wav, flac, opus, vorbis and mp3</source>
        <translation>--type «%1» no se ofrece; los tipos son wav, flac, opus, vorbis y mp3</translation>
    </message>
    <message>
        <source>--quality &quot;%1&quot; is not offered; the qualities are speech, music and best</source>
        <translation>--quality «%1» no se ofrece; las calidades son speech, music y best</translation>
    </message>
    <message>
        <source>--rate %1: %2; the nearest is %3 Hz</source>
        <translation>--rate %1: %2; la más cercana es %3 Hz</translation>
    </message>
    <message>
        <source>--duration &quot;%1&quot; is not a length of time above 0 (such as 90, 1:30, 1:02:03, 90s, 2m or 1h)</source>
        <translation>--duration «%1» no es una duración mayor que 0 (como 90, 1:30, 1:02:03, 90s, 2m o 1h)</translation>
    </message>
    <message>
        <source>an empty device, line or application name</source>
        <translation>un nombre de dispositivo, fuente o aplicación vacío</translation>
    </message>
    <message>
        <source>--app chooses the line itself: not with --device or --line</source>
        <translation>--app elige la fuente por sí mismo: no con --device ni --line</translation>
    </message>
    <message>
        <source>; there are no capture devices</source>
        <translation>; no hay dispositivos de grabación</translation>
    </message>
    <message>
        <source>; the devices and their lines are:
</source>
        <translation>; los dispositivos y sus fuentes son:
</translation>
    </message>
    <message>
        <source>the sound server has no capture devices</source>
        <translation>el servidor de sonido no tiene dispositivos de grabación</translation>
    </message>
    <message>
        <source>no device &quot;%1&quot;</source>
        <translation>no hay ningún dispositivo «%1»</translation>
    </message>
    <message>
        <source>several devices have a line &quot;%1&quot;; choose one with --device</source>
        <translation>varios dispositivos tienen una fuente «%1»; elija uno con --device</translation>
    </message>
    <message>
        <source>no line &quot;%1&quot; on %2</source>
        <translation>no hay ninguna fuente «%1» en %2</translation>
    </message>
    <message>
        <source>the device %1 has nothing to record from</source>
        <translation>el dispositivo %1 no tiene nada que grabar</translation>
    </message>
    <message>
        <source>%1 (stream %2)</source>
        <translation>%1 (flujo %2)</translation>
    </message>
    <message>
        <source>no application &quot;%1&quot;: no application is playing now</source>
        <translation>no hay ninguna aplicación «%1»: ninguna aplicación suena ahora</translation>
    </message>
    <message>
        <source>no application &quot;%1&quot;; playing now: %2</source>
        <translation>no hay ninguna aplicación «%1»; suenan ahora: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not valid UTF-8; give the name in UTF-8</source>
        <translation>«%1» no es UTF-8 válido; indique el nombre en UTF-8</translation>
    </message>
    <message>
        <source>no sound server answers (is PulseAudio or PipeWire running for this user, with XDG_RUNTIME_DIR set?)</source>
        <translation>ningún servidor de sonido responde (¿se ejecuta PulseAudio o PipeWire para este usuario, con XDG_RUNTIME_DIR definido?)</translation>
    </message>
    <message>
        <source>%1: is a folder; give the name of a file to record into</source>
        <translation>%1: es una carpeta; indique el nombre de un archivo donde grabar</translation>
    </message>
    <message>
        <source>%1: exists; give --force to replace it</source>
        <translation>%1: ya existe; indique --force para reemplazarlo</translation>
    </message>
    <message>
        <source>cannot catch Ctrl+C: %1</source>
        <translation>no se puede capturar Ctrl+C: %1</translation>
    </message>
    <message>
        <source>the device %1 was removed while recording</source>
        <translation>el dispositivo %1 se quitó durante la grabación</translation>
    </message>
    <message>
        <source>the sound server went away while recording (%1)</source>
        <translation>el servidor de sonido desapareció durante la grabación (%1)</translation>
    </message>
    <message>
        <source>the capture stopped: %1</source>
        <translation>la captura se detuvo: %1</translation>
    </message>
    <message>
        <source>%1 not read in time</source>
        <translation>%1 no leídos a tiempo</translation>
    </message>
    <message>
        <source>%1 the server left out (silence in its place)</source>
        <translation>%1 omitidos por el servidor (silencio en su lugar)</translation>
    </message>
    <message>
        <source>sound lost at %1: %2</source>
        <translation>sonido perdido en %1: %2</translation>
    </message>
    <message>
        <source>%1: %2 stopped playing at %3; waiting for its next sound</source>
        <translation>%1: %2 dejó de sonar en %3; esperando su siguiente sonido</translation>
    </message>
    <message>
        <source>no sound at %3: everything below %1 dBFS for %2 s; check the line and its volume</source>
        <translation>sin sonido en %3: todo por debajo de %1 dBFS durante %2 s; revise la fuente y su volumen</translation>
    </message>
    <message>
        <source>sound again at %1</source>
        <translation>sonido de nuevo en %1</translation>
    </message>
    <message>
        <source>clipping at %1: samples at full scale; lower the line&apos;s volume</source>
        <translation>saturación en %1: muestras a fondo de escala; baje el volumen de la fuente</translation>
    </message>
    <message>
        <source>the device runs at %1 Hz; converting to %2 Hz</source>
        <translation>el dispositivo funciona a %1 Hz; se convierte a %2 Hz</translation>
    </message>
    <message>
        <source>cannot record from %1: %2</source>
        <translation>no se puede grabar desde %1: %2</translation>
    </message>
    <message>
        <source>%1%2; the file holds the %3 recorded until then</source>
        <translation>%1%2; el archivo contiene los %3 grabados hasta entonces</translation>
    </message>
    <message>
        <source>Recorded %1 into %2 (%3)
</source>
        <translation>Grabados %1 en %2 (%3)
</translation>
    </message>
    <message>
        <source>%1: %2 of sound was lost while recording</source>
        <translation>%1: se perdieron %2 de sonido durante la grabación</translation>
    </message>
    <message>
        <source>no sound for %1 s</source>
        <translation>sin sonido durante %1 s</translation>
    </message>
    <message>
        <source> in all</source>
        <translation> en total</translation>
    </message>
    <message>
        <source>clipped once</source>
        <translation>saturado una vez</translation>
    </message>
    <message>
        <source>clipped %1 times</source>
        <translation>saturado %1 veces</translation>
    </message>
    <message>
        <source>NO SOUND %1 s  </source>
        <translation>SIN SONIDO %1 s  </translation>
    </message>
    <message>
        <source>CLIPPING %1 in %2 s  </source>
        <translation>SATURACIÓN %1 en %2 s  </translation>
    </message>
    <message>
        <source>  waiting for %1</source>
        <translation>  esperando a %1</translation>
    </message>
    <message>
        <source>  lost %1</source>
        <translation>  perdido %1</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not offered; the formats are rates %3 Hz, 1 or 2 channels (mono, stereo), 8, 16, 24 or 32 (float) bits</source>
        <translation>--%1 «%2» no se ofrece; los formatos son frecuencias de %3 Hz, 1 o 2 canales (mono, estéreo), 8, 16, 24 o 32 (float) bits</translation>
    </message>
    <message>
        <source>--layout goes with --also</source>
        <translation>--layout va con --also</translation>
    </message>
    <message>
        <source>--layout &quot;%1&quot; is not offered; the layouts are split and mixed</source>
        <translation>--layout «%1» no se ofrece; las disposiciones son split y mixed</translation>
    </message>
    <message>
        <source>--also puts each source in a channel of its own: record in stereo, or give --layout mixed</source>
        <translation>--also pone cada fuente en su propio canal: grabe en estéreo o indique --layout mixed</translation>
    </message>
    <message>
        <source>no sound from %1 at %2 for %3 s</source>
        <translation>sin sonido de %1 en %2 durante %3 s</translation>
    </message>
    <message>
        <source>%1 stopped playing at %2; its half is silent until its next sound</source>
        <translation>%1 dejó de sonar en %2; su mitad queda en silencio hasta su próximo sonido</translation>
    </message>
    <message>
        <source>%1 is no longer recorded (%2); its half is silent from %3 on</source>
        <translation>%1 ya no se graba (%2); su mitad queda en silencio desde %3</translation>
    </message>
    <message>
        <source>recording %1 in the left channel and %2 in the right</source>
        <translation>grabando %1 en el canal izquierdo y %2 en el derecho</translation>
    </message>
    <message>
        <source>recording %1 and %2 mixed</source>
        <translation>grabando %1 y %2 mezclados</translation>
    </message>
    <message>
        <source>%1: %2 of the sound of %3 was lost while recording</source>
        <translation>%1: se perdieron %2 del sonido de %3 durante la grabación</translation>
    </message>
</context>
</TS>
