<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>introuvable sur le serveur (HTTP %1)</translation>
    </message>
    <message>
        <source>the server refused it (HTTP %1)</source>
        <translation>le serveur l’a refusée (HTTP %1)</translation>
    </message>
    <message>
        <source>not a media stream: the server sends %1</source>
        <translation>pas un flux multimédia : le serveur envoie %1</translation>
    </message>
    <message>
        <source>the connection was refused: nothing answers at %1</source>
        <translation>la connexion a été refusée : rien ne répond à %1</translation>
    </message>
    <message>
        <source>the host %1 was not found</source>
        <translation>l’hôte %1 est introuvable</translation>
    </message>
    <message>
        <source>the server at %1 does not answer</source>
        <translation>le serveur à %1 ne répond pas</translation>
    </message>
</context>
<context>
    <name>AudioDisplayWidget</name>
    <message>
        <source>Level display</source>
        <translation>Affichage du niveau</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>Oscilloscope</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Spectre</translation>
    </message>
    <message>
        <source>Level meters</source>
        <translation>Vumètres</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Spectrogramme</translation>
    </message>
    <message>
        <source>Level history</source>
        <translation>Historique du niveau</translation>
    </message>
</context>
<context>
    <name>AudioFailure</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>Conversation</name>
    <message>
        <source>A conversation with each source in a channel of its own is recorded in stereo.</source>
        <translation>Une conversation avec chaque source dans son propre canal s&apos;enregistre en stéréo.</translation>
    </message>
    <message>
        <source>The second source cannot be recorded: %1</source>
        <translation>La deuxième source ne peut pas être enregistrée : %1</translation>
    </message>
</context>
<context>
    <name>FileChoice</name>
    <message>
        <source>Speech</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleure</translation>
    </message>
</context>
<context>
    <name>FileType</name>
    <message>
        <source>%1 holds 8, 12, 16, 24 or 48 kHz only</source>
        <translation>%1 ne prend en charge que 8, 12, 16, 24 ou 48 kHz</translation>
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
        <translation>Copyright © 2026 Les développeurs de Tarvell Recorder</translation>
    </message>
    <message>
        <source>Tarvell Recorder</source>
        <translation>Tarvell Recorder</translation>
    </message>
    <message>
        <source>Records what your computer hears</source>
        <translation>Enregistre ce que votre ordinateur entend</translation>
    </message>
</context>
<context>
    <name>FormWAV</name>
    <message>
        <source>WAV Option</source>
        <translation>Options WAV</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>Smallest file size</source>
        <translation>Fichier le plus petit</translation>
    </message>
    <message>
        <source>Best sound quality</source>
        <translation>Meilleure qualité sonore</translation>
    </message>
    <message>
        <source> Frequency (Hz) </source>
        <translation> Fréquence (Hz) </translation>
    </message>
    <message>
        <source> Channels Mode </source>
        <translation> Canaux </translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source> Bits Per Sample </source>
        <translation> Bits par échantillon </translation>
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
        <translation> Type de fichier </translation>
    </message>
    <message>
        <source>The kind of file the recording is written as. A name that ends in .wav, .flac, .opus, .ogg or .mp3 chooses it too.</source>
        <translation>Le type de fichier dans lequel l’enregistrement est écrit. Un nom se terminant par .wav, .flac, .opus, .ogg ou .mp3 le choisit aussi.</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité :</translation>
    </message>
    <message>
        <source>Speech makes the smallest files, Best the largest.</source>
        <translation>« Parole » donne les plus petits fichiers, « Meilleure » les plus grands.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The recording cannot be written as %1: %2</source>
        <translation>L’enregistrement ne peut pas être écrit en %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2 Hz is chosen instead of %3 Hz.</source>
        <translation>%1 : %2 Hz est choisi au lieu de %3 Hz.</translation>
    </message>
    <message>
        <source>%1 files are made from 16-bit sound.</source>
        <translation>Les fichiers %1 sont faits à partir de son 16 bits.</translation>
    </message>
    <message>
        <source>24 Bit</source>
        <translation>24 bits</translation>
    </message>
    <message>
        <source>32 Bit Float</source>
        <translation>32 bits flottant</translation>
    </message>
    <message>
        <source>Keeps sound that goes past full scale, to be turned down when it is edited.</source>
        <translation>Garde le son qui dépasse la pleine échelle, pour le baisser au montage.</translation>
    </message>
    <message>
        <source>%1 files keep float sound in 24 bits.</source>
        <translation>Les fichiers %1 gardent le son flottant en 24 bits.</translation>
    </message>
</context>
<context>
    <name>FrmPlayWav</name>
    <message>
        <source>Wav Player</source>
        <translation>Lecteur Wav</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tarvell Recorder Help</source>
        <translation>Aide de Tarvell Recorder</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help pages are missing&lt;/h2&gt;&lt;p&gt;Tarvell Recorder could not find its help pages. They belong in the folder &lt;b&gt;help&lt;/b&gt; beside the program, or, for an installed program, in &lt;b&gt;share/tarvell-recorder/help&lt;/b&gt; of the folder it was installed into.&lt;/p&gt;&lt;p&gt;Installing the program again puts them back. Everything else works without them.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Les pages d’aide sont absentes&lt;/h2&gt;&lt;p&gt;Tarvell Recorder n’a pas trouvé ses pages d’aide. Elles se trouvent dans le dossier &lt;b&gt;help&lt;/b&gt; à côté du programme ou, pour un programme installé, dans &lt;b&gt;share/tarvell-recorder/help&lt;/b&gt; du dossier d’installation.&lt;/p&gt;&lt;p&gt;Réinstaller le programme les remet en place. Tout le reste fonctionne sans elles.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
</context>
<context>
    <name>MediaFilters</name>
    <message>
        <source>Media files (all types)</source>
        <translation>Fichiers multimédias (tous types)</translation>
    </message>
    <message>
        <source>Audio file (*.wav;*.flac;*.opus;*.ogg;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3)</source>
        <translation>Fichier audio (*.wav;*.flac;*.opus;*.ogg;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3)</translation>
    </message>
    <message>
        <source>MIDI file (*.mid;*.rmi;*.midi)</source>
        <translation>Fichier MIDI (*.mid;*.rmi;*.midi)</translation>
    </message>
    <message>
        <source>Movie File (MPEG) (*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe)</source>
        <translation>Fichier vidéo (MPEG) (*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe)</translation>
    </message>
    <message>
        <source>Video file (*.avi;*.wmv)</source>
        <translation>Fichier vidéo (*.avi;*.wmv)</translation>
    </message>
    <message>
        <source>Windows Media file (*.asf;*.wm;*.wma;*.wmv)</source>
        <translation>Fichier Windows Media (*.asf;*.wm;*.wma;*.wmv)</translation>
    </message>
    <message>
        <source>Media Playlist (*.asx;*.wax;*.m3u;*.wvx;*.wmx)</source>
        <translation>Liste de lecture (*.asx;*.wax;*.m3u;*.wvx;*.wmx)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
</context>
<context>
    <name>MediaPlayerWidget</name>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>its format is not supported</source>
        <translation>son format n’est pas pris en charge</translation>
    </message>
    <message>
        <source>the network failed</source>
        <translation>le réseau a échoué</translation>
    </message>
    <message>
        <source>access was denied</source>
        <translation>l’accès a été refusé</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>this is not a valid address</source>
        <translation>ce n’est pas une adresse valide</translation>
    </message>
    <message>
        <source>Cannot play this address: %1</source>
        <translation>Impossible de lire cette adresse : %1</translation>
    </message>
    <message>
        <source>Cannot play this file: %1</source>
        <translation>Impossible de lire ce fichier : %1</translation>
    </message>
    <message>
        <source>No media</source>
        <translation>Aucun média</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Buffering... %1%</source>
        <translation>Mise en mémoire tampon... %1%</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Ouverture...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
</context>
<context>
    <name>PulseAudioRecord</name>
    <message>
        <source>The connection to the sound server was lost (%1).</source>
        <translation>La connexion au serveur de son a été perdue (%1).</translation>
    </message>
    <message>
        <source>Unsupported recording format.</source>
        <translation>Format d’enregistrement non pris en charge.</translation>
    </message>
    <message>
        <source>The block length must be positive.</source>
        <translation>La longueur de bloc doit être positive.</translation>
    </message>
    <message>
        <source>This device has nothing to record from.</source>
        <translation>Ce périphérique n’a rien à enregistrer.</translation>
    </message>
    <message>
        <source>There is no connection to the sound server.</source>
        <translation>Il n’y a pas de connexion au serveur de son.</translation>
    </message>
    <message>
        <source>There is no such source line.</source>
        <translation>Cette source n’existe pas.</translation>
    </message>
    <message>
        <source>The source line %1 is gone.</source>
        <translation>La source %1 a disparu.</translation>
    </message>
    <message>
        <source>There is no such device.</source>
        <translation>Ce périphérique n’existe pas.</translation>
    </message>
    <message>
        <source>There is no device %1.</source>
        <translation>Il n’y a pas de périphérique %1.</translation>
    </message>
    <message>
        <source>There is no source line %1.</source>
        <translation>Il n’y a pas de source %1.</translation>
    </message>
    <message>
        <source>The volume must be between 0 and 65535.</source>
        <translation>Le volume doit être compris entre 0 et 65535.</translation>
    </message>
    <message>
        <source>The balance must be between 0 and 100.</source>
        <translation>La balance doit être comprise entre 0 et 100.</translation>
    </message>
    <message>
        <source>This source line has no balance.</source>
        <translation>Cette source n’a pas de balance.</translation>
    </message>
</context>
<context>
    <name>PulseCapture</name>
    <message>
        <source>There is no connection to the sound server.</source>
        <translation>Il n’y a pas de connexion au serveur de son.</translation>
    </message>
    <message>
        <source>The sound server refused to record from %1.</source>
        <translation>Le serveur de son a refusé d’enregistrer depuis %1.</translation>
    </message>
    <message>
        <source>The sound server did not start recording in time.</source>
        <translation>Le serveur de son n’a pas démarré l’enregistrement à temps.</translation>
    </message>
    <message>
        <source>The recording device was removed.</source>
        <translation>Le périphérique d’enregistrement a été retiré.</translation>
    </message>
</context>
<context>
    <name>PulseServer</name>
    <message>
        <source>There is no connection to the sound server.</source>
        <translation>Il n’y a pas de connexion au serveur de son.</translation>
    </message>
    <message>
        <source>The sound server did not answer in time.</source>
        <translation>Le serveur de son n’a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The sound server refused the volume of %1.</source>
        <translation>Le serveur de son a refusé le volume de %1.</translation>
    </message>
    <message>
        <source>The sound server refused port %1 of %2.</source>
        <translation>Le serveur de son a refusé le port %1 de %2.</translation>
    </message>
</context>
<context>
    <name>RecordingControl</name>
    <message>
        <source>The recording was stopped: %1</source>
        <translation>L’enregistrement a été arrêté : %1</translation>
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
        <translation>une fois</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 fois</translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation>Enregistrement...</translation>
    </message>
    <message>
        <source>%1.
Record at %2 Hz instead of %3 Hz?</source>
        <translation>%1.
Enregistrer à %2 Hz au lieu de %3 Hz ?</translation>
    </message>
    <message>
        <source>The recording cannot be written as %1: %2</source>
        <translation>L’enregistrement ne peut pas être écrit en %1 : %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please input the filename</source>
        <translation>Veuillez saisir le nom du fichier</translation>
    </message>
    <message>
        <source>There is no connection to the sound server, so there is nothing to record from. No file was created or changed.</source>
        <translation>Il n’y a pas de connexion au serveur de son, il n’y a donc rien à enregistrer. Aucun fichier n’a été créé ni modifié.</translation>
    </message>
    <message>
        <source>The file %1 already exists.
Do you want to replace it?</source>
        <translation>Le fichier %1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>File size: </source>
        <translation>Taille : </translation>
    </message>
    <message>
        <source> KB</source>
        <translation> Ko</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Elapsed: </source>
        <translation>Durée : </translation>
    </message>
    <message>
        <source>The recording device was removed.</source>
        <translation>Le périphérique d’enregistrement a été retiré.</translation>
    </message>
    <message>
        <source>What was recorded until then is in:
%1</source>
        <translation>Ce qui a été enregistré jusque-là se trouve dans :
%1</translation>
    </message>
    <message>
        <source>Everything else is in:
%1</source>
        <translation>Tout le reste se trouve dans :
%1</translation>
    </message>
    <message>
        <source>Ready to record</source>
        <translation>Prêt à enregistrer</translation>
    </message>
    <message>
        <source>No sound server</source>
        <translation>Pas de serveur de son</translation>
    </message>
    <message>
        <source>There is no connection to the sound server (PulseAudio or PipeWire). The lists fill and monitoring starts again as soon as it answers.</source>
        <translation>Il n’y a pas de connexion au serveur de son (PulseAudio ou PipeWire). Les listes se remplissent et l’écoute reprend dès qu’il répond.</translation>
    </message>
    <message>
        <source>No sound for %1 s: check the Source</source>
        <translation>Pas de son depuis %1 s : vérifiez la source</translation>
    </message>
    <message>
        <source>No sound for %1, since %2: everything is below %3 dBFS. Check the Source, its Volume, and that something plays into it.</source>
        <translation>Pas de son pendant %1, depuis %2 : tout est sous %3 dBFS. Vérifiez la source, son volume, et que quelque chose y est joué.</translation>
    </message>
    <message>
        <source>Clipping: %1 in %2 s</source>
        <translation>Saturation : %1 en %2 s</translation>
    </message>
    <message>
        <source>Clipping: the sound reached full scale %1 in the last %2 s (%3 since the start) and is distorted there. Lower the Volume.</source>
        <translation>Saturation : le son a atteint la pleine échelle %1 dans les %2 dernières s (%3 depuis le début) et y est déformé. Baissez le volume.</translation>
    </message>
    <message>
        <source>%1 s lost at %2</source>
        <translation>%1 s perdues à %2</translation>
    </message>
    <message>
        <source>Waiting for %1...</source>
        <translation>En attente de %1...</translation>
    </message>
    <message>
        <source>%1 has stopped playing. The recording goes on when it plays again; nothing else is recorded meanwhile. Stop ends the recording.</source>
        <translation>%1 a cessé de jouer. L’enregistrement reprend quand il rejoue ; rien d’autre n’est enregistré entre-temps. « Arrêter » termine l’enregistrement.</translation>
    </message>
    <message>
        <source>%1 silent</source>
        <translation>%1 de silence</translation>
    </message>
    <message>
        <source>no sound for %1</source>
        <translation>pas de son pendant %1</translation>
    </message>
    <message>
        <source> in all (%1 stretches)</source>
        <translation> au total (%1 passages)</translation>
    </message>
    <message>
        <source>1 clip</source>
        <translation>1 saturation</translation>
    </message>
    <message>
        <source>%1 clips</source>
        <translation>%1 saturations</translation>
    </message>
    <message>
        <source>clipped %1</source>
        <translation>saturé %1</translation>
    </message>
    <message>
        <source>%1 s lost</source>
        <translation>%1 s perdues</translation>
    </message>
    <message>
        <source>%1 s of sound lost</source>
        <translation>%1 s de son perdues</translation>
    </message>
    <message>
        <source>Last take: </source>
        <translation>Dernière prise : </translation>
    </message>
    <message>
        <source>Last recording: %1.</source>
        <translation>Dernier enregistrement : %1.</translation>
    </message>
    <message>
        <source>%1 s at %2</source>
        <translation>%1 s à %2</translation>
    </message>
    <message>
        <source>Sound was lost during this recording: %1 (%2 s in all).</source>
        <translation>Du son a été perdu pendant cet enregistrement : %1 (%2 s au total).</translation>
    </message>
    <message>
        <source>Recording %1...</source>
        <translation>Enregistrement de %1...</translation>
    </message>
    <message>
        <source>Ready to record %1</source>
        <translation>Prêt à enregistrer %1</translation>
    </message>
    <message>
        <source>No sound from %1 for %2 s</source>
        <translation>Aucun son de %1 depuis %2 s</translation>
    </message>
    <message>
        <source>No sound from %1 for %2, since %3: everything is below %4 dBFS. Check it, its volume, and that something plays into it.</source>
        <translation>Aucun son de %1 pendant %2, depuis %3 : tout est sous %4 dBFS. Vérifiez la source, son volume, et que quelque chose y joue.</translation>
    </message>
    <message>
        <source>%1 has stopped playing. Its side is silent until it plays again; %2 is recorded meanwhile. Stop ends the recording.</source>
        <translation>%1 a cessé de jouer. Son côté reste silencieux jusqu&apos;à ce qu&apos;il rejoue ; %2 est enregistré entre-temps. Arrêt termine l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>%1 is no longer recorded</source>
        <translation>%1 n&apos;est plus enregistré</translation>
    </message>
    <message>
        <source>%1 is no longer recorded (%2): its side is silent from then on; %3 is still recorded.</source>
        <translation>%1 n&apos;est plus enregistré (%2) : son côté reste silencieux désormais ; %3 est toujours enregistré.</translation>
    </message>
</context>
<context>
    <name>Resampler</name>
    <message>
        <source>Cannot convert %1 Hz to %2 Hz: %3</source>
        <translation>Impossible de convertir %1 Hz en %2 Hz : %3</translation>
    </message>
    <message>
        <source>invalid format</source>
        <translation>format invalide</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Do you want to look for a newer version of Tarvell Recorder?

Yes opens %1 in your web browser.</source>
        <translation>Voulez-vous rechercher une version plus récente de Tarvell Recorder ?

« Oui » ouvre %1 dans votre navigateur.</translation>
    </message>
</context>
<context>
    <name>StopSignals</name>
    <message>
        <source>they are caught already</source>
        <translation>ils sont déjà interceptés</translation>
    </message>
</context>
<context>
    <name>VorbisWriter</name>
    <message>
        <source>Cannot write the Ogg Vorbis stream: %1</source>
        <translation>Impossible d’écrire le flux Ogg Vorbis : %1</translation>
    </message>
    <message>
        <source>The Vorbis encoder cannot make %1 Hz with %2 channel(s) at quality %3.</source>
        <translation>L’encodeur Vorbis ne peut pas produire %1 Hz sur %2 canal(aux) à la qualité %3.</translation>
    </message>
</context>
<context>
    <name>WavAudioFile</name>
    <message>
        <source>Unsupported recording format: %1 Hz, %2 channel(s), %3 bits.</source>
        <translation>Format d’enregistrement non pris en charge : %1 Hz, %2 canal(aux), %3 bits.</translation>
    </message>
    <message>
        <source>The second argument of CreateWaveFile must be 0, not %1.</source>
        <translation>Le second argument de CreateWaveFile doit être 0, et non %1.</translation>
    </message>
    <message>
        <source>Cannot create</source>
        <translation>Impossible de créer</translation>
    </message>
    <message>
        <source>Cannot create %1 as %2: %3</source>
        <translation>Impossible de créer %1 en %2 : %3</translation>
    </message>
    <message>
        <source>No file is open to write the recording to.</source>
        <translation>Aucun fichier n’est ouvert pour y écrire l’enregistrement.</translation>
    </message>
    <message>
        <source>Cannot write to</source>
        <translation>Impossible d’écrire dans</translation>
    </message>
    <message>
        <source>Cannot update the header of</source>
        <translation>Impossible de mettre à jour l’en-tête de</translation>
    </message>
    <message>
        <source>No file is open to extend.</source>
        <translation>Aucun fichier n’est ouvert à prolonger.</translation>
    </message>
    <message>
        <source>Only a WAV file can be extended.</source>
        <translation>Seul un fichier WAV peut être prolongé.</translation>
    </message>
    <message>
        <source>%1 bytes is not a whole number of frames.</source>
        <translation>%1 octets ne font pas un nombre entier de trames.</translation>
    </message>
    <message>
        <source>Cannot extend</source>
        <translation>Impossible de prolonger</translation>
    </message>
    <message>
        <source>Cannot complete</source>
        <translation>Impossible de terminer</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>Impossible d’enregistrer</translation>
    </message>
    <message>
        <source>Cannot close</source>
        <translation>Impossible de fermer</translation>
    </message>
</context>
<context>
    <name>WavChoices</name>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
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
        <translation>%1 %2 Hz ; %3 ; %4</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)</source>
        <translation>Fichiers Wav (*.wav)</translation>
    </message>
    <message>
        <source>%1 Files (*.%2)</source>
        <translation>Fichiers %1 (*.%2)</translation>
    </message>
    <message>
        <source>32 bit float</source>
        <translation>32 bits flottant</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Record Wizard</source>
        <translation>Assistant d’enregistrement</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Mode</translation>
    </message>
    <message>
        <source>&amp;Play &amp;&amp; Record</source>
        <translation>&amp;Lecture &amp;&amp; enregistrement</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>Lect&amp;ure</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Start recording when media file starts</source>
        <translation>Enregistrer quand le fichier multimédia démarre</translation>
    </message>
    <message>
        <source>Stop recording when media file stops</source>
        <translation>Arrêter l’enregistrement quand le fichier multimédia s’arrête</translation>
    </message>
    <message>
        <source>Next Level Display Style</source>
        <translation>Style d’affichage suivant</translation>
    </message>
    <message>
        <source>More &amp;Tools...</source>
        <translation>Autres &amp;outils...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Lecteur multimédia</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Br&amp;owse...</source>
        <translation>Parcour&amp;ir...</translation>
    </message>
    <message>
        <source>&amp;URL</source>
        <translation>&amp;URL</translation>
    </message>
    <message>
        <source>Sound Recorder</source>
        <translation>Enregistreur</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Par&amp;courir...</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>A&amp;rrêt</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité&#x202f;:</translation>
    </message>
    <message>
        <source>Se&amp;t</source>
        <translation>Ré&amp;gler</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Source :</translation>
    </message>
    <message>
        <source>We strongly recommend you select &apos;Stereo Mix&apos; to record most sound. The name for &apos;Stereo Mix&apos; could be &apos;Sound Mix&apos;, &apos;WAV Mix&apos; etc.</source>
        <translation>Nous vous recommandons vivement de choisir « Stereo Mix » pour enregistrer la plupart des sons. « Stereo Mix » peut aussi s’appeler « Sound Mix », « WAV Mix », etc.</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Balance :</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume :</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Ready to record</source>
        <translation>Prêt à enregistrer</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>File size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Erreur d’accès au chemin ou au fichier : %1</translation>
    </message>
    <message>
        <source>%1 is not here now: recording from %2.</source>
        <translation>%1 n’est pas là : enregistrement depuis %2.</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Erreur d’exécution « %1 » :

%2</translation>
    </message>
    <message>
        <source>The recording %1 was interrupted before it was finished. It has been put right and holds %2 of sound (%3 s).</source>
        <translation>L’enregistrement %1 a été interrompu avant d’être terminé. Il a été réparé et contient %2 de son (%3 s).</translation>
    </message>
    <message>
        <source>The recording cannot be written as %1: %2</source>
        <translation>L’enregistrement ne peut pas être écrit en %1 : %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Converted from %1 Hz</source>
        <translation>Converti depuis %1 Hz</translation>
    </message>
    <message>
        <source>This device runs at %1 Hz; the recorder converts its sound to the recording&apos;s %2 Hz.</source>
        <translation>Ce périphérique fonctionne à %1 Hz ; l’enregistreur convertit son son aux %2 Hz de l’enregistrement.</translation>
    </message>
    <message>
        <source>Please input the URL</source>
        <translation>Veuillez saisir l’URL</translation>
    </message>
    <message>
        <source>mms:// or http://</source>
        <translation>mms:// ou http://</translation>
    </message>
    <message>
        <source>Can not initialize sound device. If you started other sound recorder, please exit it before run this application</source>
        <translation>Impossible d’initialiser le périphérique audio. Si vous avez lancé un autre enregistreur, quittez-le avant de lancer ce programme.</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Carte :</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Next level display style</source>
        <translation>Style d’affichage du niveau suivant</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 and all sound</source>
        <translation>%1 et tout le son</translation>
    </message>
</context>
<context>
    <name>frmWizard</name>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>Wizard - Tarvell Recorder</source>
        <translation>Assistant - Tarvell Recorder</translation>
    </message>
    <message>
        <source>Please choose one method to record sound:</source>
        <translation>Choisissez comment enregistrer le son :</translation>
    </message>
    <message>
        <source>Record sound from a media file.</source>
        <translation>Enregistrer le son d’un fichier multimédia.</translation>
    </message>
    <message>
        <source>Record sound from a URL.</source>
        <translation>Enregistrer le son d’une URL.</translation>
    </message>
    <message>
        <source>Record sound from another application.<byte value="xd"/>
(From a game, a media player, etc.)</source>
        <translation>Enregistrer le son d’une autre application.<byte value="xd"/>
(Un jeu, un lecteur multimédia, etc.)</translation>
    </message>
    <message>
        <source>Please specify the filename of the media file:</source>
        <translation>Indiquez le nom du fichier multimédia :</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Pa&amp;rcourir...</translation>
    </message>
    <message>
        <source>Play the media file and record sound now.</source>
        <translation>Lire le fichier et enregistrer le son maintenant.</translation>
    </message>
    <message>
        <source>Play the media file now. I want to record it later.</source>
        <translation>Lire le fichier maintenant, enregistrer plus tard.</translation>
    </message>
    <message>
        <source>Open the media file now. I want to play it later.</source>
        <translation>Ouvrir le fichier maintenant, le lire plus tard.</translation>
    </message>
    <message>
        <source>Recorded sound will be saved as:</source>
        <translation>Le son enregistré sera sauvegardé sous :</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité :</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>Ré&amp;gler</translation>
    </message>
    <message>
        <source>Record now.</source>
        <translation>Enregistrer maintenant.</translation>
    </message>
    <message>
        <source>Fr&amp;om:</source>
        <translation>&amp;De :</translation>
    </message>
    <message>
        <source>Record everything the computer plays, or one application alone</source>
        <translation>Enregistrer tout ce que joue l’ordinateur, ou une seule application</translation>
    </message>
    <message>
        <source>Please input the URL:</source>
        <translation>Veuillez saisir l’URL :</translation>
    </message>
    <message>
        <source>mms:// or http://</source>
        <translation>mms:// ou http://</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>All sound</source>
        <translation>Tout le son</translation>
    </message>
    <message>
        <source>Cannot find the media file</source>
        <translation>Impossible de trouver le fichier multimédia</translation>
    </message>
    <message>
        <source>Please input the filename</source>
        <translation>Veuillez saisir le nom du fichier</translation>
    </message>
    <message>
        <source>Please input the URL</source>
        <translation>Veuillez saisir l’URL</translation>
    </message>
    <message>
        <source>Record a conversation.<byte value="xd"/>
(Your microphone and another application)</source>
        <translation>Enregistrer une conversation.<byte value="xd"/>
(Votre microphone et une autre application)</translation>
    </message>
    <message>
        <source>&amp;Microphone:</source>
        <translation>&amp;Microphone :</translation>
    </message>
    <message>
        <source>There is no microphone to record from</source>
        <translation>Il n&apos;y a pas de microphone à enregistrer</translation>
    </message>
    <message>
        <source>Mi&amp;x together</source>
        <translation>Mélan&amp;ger</translation>
    </message>
    <message>
        <source>Off: your microphone in the left channel, the other side in the right, to edit each later. On: one sound, each at half its level.</source>
        <translation>Désactivé : votre microphone dans le canal gauche, l&apos;autre côté dans le droit, pour les retoucher ensuite. Activé : un seul son, chacun à la moitié de son niveau.</translation>
    </message>
</context>
<context>
    <name>tarvell-rec</name>
    <message>
        <source> (see --help)</source>
        <translation> (voir --help)</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 est donné plus d’une fois</translation>
    </message>
    <message>
        <source>--json goes with --list</source>
        <translation>--json va avec --list</translation>
    </message>
    <message>
        <source>--list-formats goes alone</source>
        <translation>--list-formats s’emploie seul</translation>
    </message>
    <message>
        <source>--list takes no file</source>
        <translation>--list ne prend pas de fichier</translation>
    </message>
    <message>
        <source>no file to record into (see --help)</source>
        <translation>aucun fichier où enregistrer (voir --help)</translation>
    </message>
    <message>
        <source>one file only, not %1 (quote a name with spaces)</source>
        <translation>un seul fichier, pas %1 (mettez un nom avec des espaces entre guillemets)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>le nom du fichier est vide</translation>
    </message>
    <message>
        <source>--type &quot;%1&quot; is not offered; the types are wav, flac, opus, vorbis and mp3</source>
        <translation>--type « %1 » n’est pas proposé ; les types sont wav, flac, opus, vorbis et mp3</translation>
    </message>
    <message>
        <source>--quality &quot;%1&quot; is not offered; the qualities are speech, music and best</source>
        <translation>--quality « %1 » n’est pas proposé ; les qualités sont speech, music et best</translation>
    </message>
    <message>
        <source>--rate %1: %2; the nearest is %3 Hz</source>
        <translation>--rate %1 : %2 ; la plus proche est %3 Hz</translation>
    </message>
    <message>
        <source>--duration &quot;%1&quot; is not a length of time above 0 (such as 90, 1:30, 1:02:03, 90s, 2m or 1h)</source>
        <translation>--duration « %1 » n’est pas une durée supérieure à 0 (comme 90, 1:30, 1:02:03, 90s, 2m ou 1h)</translation>
    </message>
    <message>
        <source>an empty device, line or application name</source>
        <translation>un nom de périphérique, de source ou d’application vide</translation>
    </message>
    <message>
        <source>--app chooses the line itself: not with --device or --line</source>
        <translation>--app choisit la source elle-même : pas avec --device ou --line</translation>
    </message>
    <message>
        <source>; there are no capture devices</source>
        <translation> ; il n’y a aucun périphérique d’enregistrement</translation>
    </message>
    <message>
        <source>; the devices and their lines are:
</source>
        <translation> ; les périphériques et leurs sources sont :
</translation>
    </message>
    <message>
        <source>the sound server has no capture devices</source>
        <translation>le serveur de son n’a aucun périphérique d’enregistrement</translation>
    </message>
    <message>
        <source>no device &quot;%1&quot;</source>
        <translation>aucun périphérique « %1 »</translation>
    </message>
    <message>
        <source>several devices have a line &quot;%1&quot;; choose one with --device</source>
        <translation>plusieurs périphériques ont une source « %1 » ; choisissez-en un avec --device</translation>
    </message>
    <message>
        <source>no line &quot;%1&quot; on %2</source>
        <translation>aucune source « %1 » sur %2</translation>
    </message>
    <message>
        <source>the device %1 has nothing to record from</source>
        <translation>le périphérique %1 n’a rien à enregistrer</translation>
    </message>
    <message>
        <source>%1 (stream %2)</source>
        <translation>%1 (flux %2)</translation>
    </message>
    <message>
        <source>no application &quot;%1&quot;: no application is playing now</source>
        <translation>aucune application « %1 » : aucune application ne joue en ce moment</translation>
    </message>
    <message>
        <source>no application &quot;%1&quot;; playing now: %2</source>
        <translation>aucune application « %1 » ; en cours de lecture : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not valid UTF-8; give the name in UTF-8</source>
        <translation>« %1 » n’est pas de l’UTF-8 valide ; donnez le nom en UTF-8</translation>
    </message>
    <message>
        <source>no sound server answers (is PulseAudio or PipeWire running for this user, with XDG_RUNTIME_DIR set?)</source>
        <translation>aucun serveur de son ne répond (PulseAudio ou PipeWire tourne-t-il pour cet utilisateur, avec XDG_RUNTIME_DIR défini ?)</translation>
    </message>
    <message>
        <source>%1: is a folder; give the name of a file to record into</source>
        <translation>%1 : est un dossier ; donnez le nom d’un fichier où enregistrer</translation>
    </message>
    <message>
        <source>%1: exists; give --force to replace it</source>
        <translation>%1 : existe ; donnez --force pour le remplacer</translation>
    </message>
    <message>
        <source>cannot catch Ctrl+C: %1</source>
        <translation>impossible d’intercepter Ctrl+C : %1</translation>
    </message>
    <message>
        <source>the device %1 was removed while recording</source>
        <translation>le périphérique %1 a été retiré pendant l’enregistrement</translation>
    </message>
    <message>
        <source>the sound server went away while recording (%1)</source>
        <translation>le serveur de son a disparu pendant l’enregistrement (%1)</translation>
    </message>
    <message>
        <source>the capture stopped: %1</source>
        <translation>la capture s’est arrêtée : %1</translation>
    </message>
    <message>
        <source>%1 not read in time</source>
        <translation>%1 non lues à temps</translation>
    </message>
    <message>
        <source>%1 the server left out (silence in its place)</source>
        <translation>%1 omises par le serveur (silence à la place)</translation>
    </message>
    <message>
        <source>sound lost at %1: %2</source>
        <translation>son perdu à %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2 stopped playing at %3; waiting for its next sound</source>
        <translation>%1 : %2 a cessé de jouer à %3 ; en attente de son prochain son</translation>
    </message>
    <message>
        <source>no sound at %3: everything below %1 dBFS for %2 s; check the line and its volume</source>
        <translation>pas de son à %3 : tout sous %1 dBFS pendant %2 s ; vérifiez la source et son volume</translation>
    </message>
    <message>
        <source>sound again at %1</source>
        <translation>de nouveau du son à %1</translation>
    </message>
    <message>
        <source>clipping at %1: samples at full scale; lower the line&apos;s volume</source>
        <translation>saturation à %1 : échantillons à pleine échelle ; baissez le volume de la source</translation>
    </message>
    <message>
        <source>the device runs at %1 Hz; converting to %2 Hz</source>
        <translation>le périphérique fonctionne à %1 Hz ; conversion en %2 Hz</translation>
    </message>
    <message>
        <source>cannot record from %1: %2</source>
        <translation>impossible d’enregistrer depuis %1 : %2</translation>
    </message>
    <message>
        <source>%1%2; the file holds the %3 recorded until then</source>
        <translation>%1%2 ; le fichier contient les %3 enregistrées jusque-là</translation>
    </message>
    <message>
        <source>Recorded %1 into %2 (%3)
</source>
        <translation>%1 enregistrées dans %2 (%3)
</translation>
    </message>
    <message>
        <source>%1: %2 of sound was lost while recording</source>
        <translation>%1 : %2 de son ont été perdues pendant l’enregistrement</translation>
    </message>
    <message>
        <source>no sound for %1 s</source>
        <translation>pas de son pendant %1 s</translation>
    </message>
    <message>
        <source> in all</source>
        <translation> au total</translation>
    </message>
    <message>
        <source>clipped once</source>
        <translation>saturé une fois</translation>
    </message>
    <message>
        <source>clipped %1 times</source>
        <translation>saturé %1 fois</translation>
    </message>
    <message>
        <source>NO SOUND %1 s  </source>
        <translation>PAS DE SON %1 s  </translation>
    </message>
    <message>
        <source>CLIPPING %1 in %2 s  </source>
        <translation>SATURATION %1 en %2 s  </translation>
    </message>
    <message>
        <source>  waiting for %1</source>
        <translation>  en attente de %1</translation>
    </message>
    <message>
        <source>  lost %1</source>
        <translation>  perdu %1</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not offered; the formats are rates %3 Hz, 1 or 2 channels (mono, stereo), 8, 16, 24 or 32 (float) bits</source>
        <translation>--%1 « %2 » n’est pas proposé ; les formats sont les fréquences %3 Hz, 1 ou 2 canaux (mono, stéréo), 8, 16, 24 ou 32 (float) bits</translation>
    </message>
    <message>
        <source>--layout goes with --also</source>
        <translation>--layout va avec --also</translation>
    </message>
    <message>
        <source>--layout &quot;%1&quot; is not offered; the layouts are split and mixed</source>
        <translation>--layout « %1 » n&apos;est pas proposé ; les dispositions sont split et mixed</translation>
    </message>
    <message>
        <source>--also puts each source in a channel of its own: record in stereo, or give --layout mixed</source>
        <translation>--also met chaque source dans son propre canal : enregistrez en stéréo ou indiquez --layout mixed</translation>
    </message>
    <message>
        <source>no sound from %1 at %2 for %3 s</source>
        <translation>aucun son de %1 à %2 depuis %3 s</translation>
    </message>
    <message>
        <source>%1 stopped playing at %2; its half is silent until its next sound</source>
        <translation>%1 a cessé de jouer à %2 ; sa moitié reste silencieuse jusqu&apos;à son prochain son</translation>
    </message>
    <message>
        <source>%1 is no longer recorded (%2); its half is silent from %3 on</source>
        <translation>%1 n&apos;est plus enregistré (%2) ; sa moitié est silencieuse à partir de %3</translation>
    </message>
    <message>
        <source>recording %1 in the left channel and %2 in the right</source>
        <translation>enregistrement de %1 dans le canal gauche et de %2 dans le droit</translation>
    </message>
    <message>
        <source>recording %1 and %2 mixed</source>
        <translation>enregistrement de %1 et %2 mélangés</translation>
    </message>
    <message>
        <source>%1: %2 of the sound of %3 was lost while recording</source>
        <translation>%1 : %2 du son de %3 ont été perdus pendant l&apos;enregistrement</translation>
    </message>
</context>
</TS>
